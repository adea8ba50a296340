#!/usr/bin/env python3
"""Writes the window descriptions src/app/forms/*.dfm from their .dfm.in
templates, replacing each @art/<file>@ by the picture's stored binary data:
the graphic class name as a length-prefixed string, then the file (raster
files behind a 32-bit little-endian length). Run after changing artwork."""
import pathlib
import re
import struct

APP = pathlib.Path(__file__).resolve().parent.parent
CLASSES = {'.svg': 'TMetafile', '.jpg': 'TJPEGImage', '.jpeg': 'TJPEGImage',
           '.png': 'TPngImage', '.bmp': 'TBitmap'}


def stored(path):
    data = path.read_bytes()
    name = CLASSES[path.suffix.lower()].encode('ascii')
    out = bytes([len(name)]) + name
    if name != b'TMetafile':
        out += struct.pack('<I', len(data))
    return out + data


def block(data, indent):
    text = data.hex().upper()
    lines = [text[i:i + 64] for i in range(0, len(text), 64)]
    pad = ' ' * (indent + 2)
    return '{\n' + '\n'.join(pad + line for line in lines) + '}'


def main():
    for template in sorted((APP / 'forms').glob('*.dfm.in')):
        out = []
        for line in template.read_text().splitlines():
            m = re.search(r'@(art/[^@]+)@', line)
            if m:
                indent = len(line) - len(line.lstrip())
                line = line[:m.start()] + block(stored(APP / m.group(1)), indent) + line[m.end():]
            out.append(line)
        template.with_suffix('').write_text('\n'.join(out) + '\n')


if __name__ == '__main__':
    main()
