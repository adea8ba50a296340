#!/usr/bin/python3
"""Draws default.jpg beside this script: the floor of the example lab as the
program shows it, 700 x 500 pixels at 2 mm per pixel (1400 x 1000 mm, origin
at the top-left corner). A millimetre-paper grid (10, 50 and 100 mm lines),
the room's walls with its door and bench, and a 500 mm scale bar.

Needs Python 3 with PIL (Debian: python3-pil) and the Liberation fonts.
Run it again after changing the drawing; the output is committed."""
import pathlib

from PIL import Image, ImageDraw, ImageFont

MM_PER_PIXEL = 2
WIDTH, HEIGHT = 700, 500
HERE = pathlib.Path(__file__).resolve().parent
FONT = pathlib.Path('/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf')


def px(mm):
    return round(mm / MM_PER_PIXEL)


def font(size):
    return ImageFont.truetype(str(FONT), size) if FONT.exists() else ImageFont.load_default()


def grid(draw):
    # Paper colours: faint 10 mm lines, stronger 50 mm and 100 mm lines.
    for mm in range(0, 1401, 10):
        colour = (150, 190, 160) if mm % 100 == 0 else (190, 215, 195) if mm % 50 == 0 else (222, 236, 225)
        draw.line([(px(mm), 0), (px(mm), HEIGHT)], fill=colour)
    for mm in range(0, 1001, 10):
        colour = (150, 190, 160) if mm % 100 == 0 else (190, 215, 195) if mm % 50 == 0 else (222, 236, 225)
        draw.line([(0, px(mm)), (WIDTH, px(mm))], fill=colour)


def room(draw):
    wall = (60, 60, 70)
    # Walls from (60, 60) to (1340, 940) mm, 8 mm thick, door in the bottom wall.
    left, top, right, bottom = px(60), px(60), px(1340), px(940)
    door_from, door_to = px(1000), px(1200)
    for offset in range(4):
        draw.line([(door_from, bottom - offset), (left + offset, bottom - offset),
                   (left + offset, top + offset), (right - offset, top + offset),
                   (right - offset, bottom - offset), (door_to, bottom - offset)], fill=wall)
    # The door leaf and its swing.
    draw.line([(door_from, bottom), (door_from, bottom - (door_to - door_from))], fill=wall, width=2)
    draw.arc([door_from - (door_to - door_from), bottom - (door_to - door_from),
              door_to, bottom + (door_to - door_from)], 270, 360, fill=(120, 120, 130))
    # A work bench along the top wall, and the label of the room.
    draw.rectangle([px(1000), px(80), px(1320), px(170)], outline=wall, fill=(235, 228, 210))
    draw.text((px(1030), px(106)), 'bench', fill=wall, font=font(13))
    draw.text((px(90), px(80)), 'Geophysics teaching lab - floor plan', fill=wall, font=font(15))
    draw.text((px(90), px(116)), 'grid: 10 mm, bold lines every 100 mm', fill=(90, 110, 95), font=font(11))


def scale_bar(draw):
    ink = (20, 20, 20)
    x0, y = px(90), px(880)
    length = px(500)
    draw.rectangle([x0, y, x0 + length, y + 4], outline=ink)
    for i in range(5):
        if i % 2 == 0:
            draw.rectangle([x0 + i * px(100), y, x0 + (i + 1) * px(100), y + 4], fill=ink)
    small = font(11)
    for mm in (0, 100, 200, 300, 400, 500):
        draw.line([(x0 + px(mm), y - 3), (x0 + px(mm), y)], fill=ink)
        label = f'{mm} mm' if mm == 500 else str(mm)
        draw.text((x0 + px(mm) - 3, y - 16), label, fill=ink, font=small)


def main():
    image = Image.new('RGB', (WIDTH, HEIGHT), (250, 252, 248))
    draw = ImageDraw.Draw(image)
    grid(draw)
    room(draw)
    scale_bar(draw)
    image.save(HERE / 'default.jpg', 'JPEG', quality=90, optimize=True)


if __name__ == '__main__':
    main()
