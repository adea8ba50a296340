#!/usr/bin/env python3
"""Draws the scope's toolbar glyph strip and writes it as a 16-colour
Windows bitmap (toolbar_glyphs.bmp): 18 glyphs of 16 x 16 pixels side by
side. Each glyph is a grey frame with red corners (background), silver inner
corners, a black face and a white symbol; the heads of the two double arrows
are pure blue so that they take the frame colour. The toolbars recolour
these five key colours into their glyph sets.

Run it again after changing a drawing: python3 draw_glyphs.py
"""
import os
import struct

# The standard 16-colour palette; the drawing uses five of its entries.
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
INK = {'.': 0, '#': 15, 's': 7, 'G': 8, 'R': 9, 'b': 12}

LENS = [
    "..####......",
    ".#....#.....",
    "#......#....",
    "#......#....",
    "#......#....",
    "#......#....",
    ".#....#.....",
    "..####.##...",
    ".......###..",
    "........###.",
    ".........###",
    "..........##",
]


def lens_with(marks):
    rows = [list(r) for r in LENS]
    for r, c in marks:
        rows[r][c] = '#'
    return ["".join(r) for r in rows]


PLUS = [(3, c) for c in range(2, 6)] + [(4, c) for c in range(2, 6)] + [(2, 3), (2, 4), (5, 3), (5, 4)]
MINUS = [(3, c) for c in range(2, 6)] + [(4, c) for c in range(2, 6)]
CROSS = [(2, 2), (3, 3), (4, 4), (5, 5), (2, 5), (3, 4), (4, 3), (5, 2)]
BACK = [(3, c) for c in range(2, 6)] + [(4, c) for c in range(2, 6)] + [(2, 3), (5, 3)]
ON = [(3, c) for c in range(2, 6)] + [(4, c) for c in range(2, 6)] + [(2, 4), (5, 4)]

ARROW_DOWN = [
    "............",
    "....####....",
    "....####....",
    "....####....",
    "....####....",
    ".##########.",
    "..########..",
    "...######...",
    "....####....",
    ".....##.....",
    "............",
    "............",
]

DOUBLE_ARROW = [
    "............",
    "............",
    "............",
    "..b......b..",
    ".bb......bb.",
    "bbb######bbb",
    "bbb######bbb",
    ".bb......bb.",
    "..b......b..",
    "............",
    "............",
    "............",
]

GLYPHS = [
    ARROW_DOWN,                       # 0 arrow down
    ARROW_DOWN[::-1],                 # 1 arrow up
    [                                 # 2 play
        "............",
        "...#........",
        "...##.......",
        "...###......",
        "...####.....",
        "...#####....",
        "...######...",
        "...#####....",
        "...####.....",
        "...###......",
        "...##.......",
        "...#........",
    ],
    ["............"] + ["..###..###.."] * 10 + ["............"],  # 3 pause
    lens_with(PLUS),                  # 4 magnifier with plus
    lens_with(MINUS),                 # 5 magnifier with minus
    lens_with(CROSS),                 # 6 magnifier with a cross
    [                                 # 7 printer
        "...######...",
        "...#....#...",
        "...#....#...",
        ".##########.",
        "#..........#",
        "#.......##.#",
        "#..........#",
        "############",
        "..#......#..",
        "..#.####.#..",
        "..#......#..",
        "..########..",
    ],
    [                                 # 8 disk
        "###########.",
        "#..#....#.##",
        "#..#....#..#",
        "#..######..#",
        "#..........#",
        "#.########.#",
        "#.#......#.#",
        "#.#.####.#.#",
        "#.#......#.#",
        "#.#.####.#.#",
        "#.#......#.#",
        "############",
    ],
    [                                 # 9 two sheets
        "..#####.....",
        "..#...##....",
        "..#....#....",
        "..#..#####..",
        "..#..#...##.",
        "..#..#....#.",
        "..#..#....#.",
        "..####....#.",
        ".....#....#.",
        ".....#....#.",
        ".....######.",
        "............",
    ],
    [                                 # 10 wrench
        "........###.",
        ".......#...#",
        ".......#....",
        ".......#...#",
        "......####..",
        ".....###....",
        "....###.....",
        "...###......",
        "..###.......",
        ".###........",
        "###.........",
        "##..........",
    ],
    lens_with(BACK),                  # 11 magnifier with an arrow back
    lens_with(ON),                    # 12 magnifier with an arrow forward
    [                                 # 13 four-way arrow
        ".....##.....",
        "....####....",
        "...######...",
        "..#..##..#..",
        ".##..##..##.",
        "############",
        "############",
        ".##..##..##.",
        "..#..##..#..",
        "...######...",
        "....####....",
        ".....##.....",
    ],
    LENS,                             # 14 magnifier
    [                                 # 15 open hand
        ".....#......",
        "...#.#.#....",
        "...#.#.#.#..",
        "...#.#.#.#..",
        ".#.#.#.#.#..",
        ".#.#######..",
        ".##########.",
        "..#########.",
        "..########..",
        "...#######..",
        "....#####...",
        "....#####...",
    ],
    DOUBLE_ARROW,                     # 16 horizontal double arrow
    ["".join(r[c] for r in DOUBLE_ARROW) for c in range(12)],  # 17 vertical double arrow
]


def glyph_pixels(art):
    assert len(art) == 12 and all(len(r) == 12 for r in art), art
    rows = [["." for _ in range(16)] for _ in range(16)]
    for i in range(16):
        rows[0][i] = rows[15][i] = rows[i][0] = rows[i][15] = "G"
    for r, c in ((0, 0), (0, 15), (15, 0), (15, 15)):
        rows[r][c] = "R"
    for r, c in ((1, 1), (1, 14), (14, 1), (14, 14)):
        rows[r][c] = "s"
    for r in range(12):
        for c in range(12):
            rows[r + 2][c + 2] = art[r][c]
    return [[INK[ch] for ch in row] for row in rows]


def main():
    assert len(GLYPHS) == 18
    width, height = 16 * len(GLYPHS), 16
    image = [[0] * width for _ in range(height)]
    for g, art in enumerate(GLYPHS):
        for r, row in enumerate(glyph_pixels(art)):
            image[r][g * 16:(g + 1) * 16] = row
    stride = (width * 4 + 31) // 32 * 4
    pixels = b""
    for row in reversed(image):  # bottom-up
        packed = bytes((row[i] << 4) | row[i + 1] for i in range(0, width, 2))
        pixels += packed + b"\0" * (stride - len(packed))
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(pixels), 2835, 2835, 16, 0)
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "toolbar_glyphs.bmp")
    with open(out, "wb") as f:
        f.write(header + info + palette + pixels)


if __name__ == "__main__":
    main()
