#!/usr/bin/env python3
"""Writes squares.bmp, the suite's bitmap resource: 32 x 16, 24 bits a pixel,
two 16 x 16 images on magenta (the mask colour of the tests):
  image 0: a red 8 x 8 square at (4, 4)
  image 1: a blue 8 x 8 square at (4, 4)

Run from this folder: python3 make_bitmap.py
"""
import struct

MAGENTA, RED, BLUE = (255, 0, 255), (255, 0, 0), (0, 0, 255)
WIDTH, HEIGHT = 32, 16


def colour_at(x, y):
    image, ix = divmod(x, 16)
    if 4 <= ix < 12 and 4 <= y < 12:
        return RED if image == 0 else BLUE
    return MAGENTA


def main():
    stride = (WIDTH * 3 + 3) // 4 * 4
    body = bytearray()
    for y in reversed(range(HEIGHT)):          # BMP rows run bottom-up
        line = bytearray()
        for x in range(WIDTH):
            r, g, b = colour_at(x, y)
            line += bytes((b, g, r))
        body += line + bytes(stride - len(line))
    info = struct.pack('<IiiHHIIiiII', 40, WIDTH, HEIGHT, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(body), 0, 0, 14 + len(info))
    with open('squares.bmp', 'wb') as f:
        f.write(header + info + body)


if __name__ == '__main__':
    main()
