#!/usr/bin/env python3
"""Writes the suite's bitmaps, 24 bits a pixel:
  states.bmp  (200) 32 x 16: two 16 x 16 state images on pure red (the mask
                    colour, the top-left pixel): image 0 a green 8 x 8
                    square at (4, 4), image 1 a blue one
  pattern.bmp (129) 8 x 8: yellow and cyan halves, shown behind short grids
  back.bmp    (130) 10 x 10: solid light violet, tiled behind the grid

Run from this folder: python3 make_bitmaps.py
"""
import struct

RED, GREEN, BLUE = (255, 0, 0), (0, 255, 0), (0, 0, 255)
YELLOW, CYAN, VIOLET = (255, 255, 0), (0, 255, 255), (200, 180, 255)


def write_bmp(name, width, height, colour_at):
    stride = (width * 3 + 3) // 4 * 4
    body = bytearray()
    for y in reversed(range(height)):          # BMP rows run bottom-up
        line = bytearray()
        for x in range(width):
            r, g, b = colour_at(x, y)
            line += bytes((b, g, r))
        body += line + bytes(stride - len(line))
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    with open(name, 'wb') as out:
        out.write(b'BM' + struct.pack('<IHHI', 14 + len(header) + len(body), 0, 0, 14 + len(header)))
        out.write(header + body)


def state_colour(x, y):
    image, ix = divmod(x, 16)
    if 4 <= ix < 12 and 4 <= y < 12:
        return GREEN if image == 0 else BLUE
    return RED


write_bmp('states.bmp', 32, 16, state_colour)
write_bmp('pattern.bmp', 8, 8, lambda x, y: YELLOW if x < 4 else CYAN)
write_bmp('back.bmp', 10, 10, lambda x, y: VIOLET)
