#!/usr/bin/env python3
"""Draws the bitmaps that bitmap buttons show in the tests and the demo, as
24-bit Windows BMP files.

  tests/buttons/res/blue.bmp     16 x 16 blue square (bitmap 1, the OK button)
  tests/buttons/res/green.bmp    16 x 16 green square (bitmap 2, the Cancel button)
  tests/buttons/res/magenta.bmp  16 x 16 magenta square (a replacement bitmap)
  tests/buttons/res/yellow.bmp   16 x 16 yellow square (a second replacement)
  demo/bitmaps/ok.bmp            16 x 16 green tick on the button grey
  demo/bitmaps/cancel.bmp        16 x 16 dark red cross on the button grey
  demo/bitmaps/search.bmp        16 x 16 magnifying glass on the button grey
  demo/bitmaps/sort.bmp          16 x 16 three bars of falling length

Run from the repository root: python3 tools/make_button_bitmaps.py
"""
import struct

FACE = (191, 192, 192)   # the buttons' fill colour


def write_bmp24(path, pixels):
    """pixels: rows top to bottom of (r, g, b)."""
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) // 4 * 4
    body = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for (r, g, b) in row:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        body += line
    offset = 14 + 40
    header = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + body)


def solid(colour, size=16):
    return [[colour] * size for _ in range(size)]


def tick():
    p = solid(FACE)
    for x in range(2, 14):
        y = 8 + (x - 2) // 2 if x < 6 else 10 - (x - 6)
        for dy in range(3):
            if 0 <= y + dy - 1 < 16:
                p[y + dy - 1][x] = (0, 140, 0)
    return p


def cross():
    p = solid(FACE)
    for i in range(3, 13):
        for d in (0, 1):
            p[i][min(15, i + d)] = (160, 0, 0)
            p[i][max(0, 15 - i - d)] = (160, 0, 0)
    return p


def glass():
    p = solid(FACE)
    for y in range(16):
        for x in range(16):
            d = ((x - 6) ** 2 + (y - 6) ** 2) ** 0.5
            if 3.2 <= d <= 4.8:
                p[y][x] = (0, 0, 140)
    for i in range(9, 14):
        for d in (0, 1):
            p[i][min(15, i + d)] = (90, 60, 20)
    return p


def bars():
    p = solid(FACE)
    for n, length in enumerate((12, 8, 4)):
        for y in range(3 + n * 4, 5 + n * 4):
            for x in range(2, 2 + length):
                p[y][x] = (0, 70, 140)
    return p


write_bmp24("tests/buttons/res/blue.bmp", solid((0, 0, 255)))
write_bmp24("tests/buttons/res/green.bmp", solid((0, 160, 0)))
write_bmp24("tests/buttons/res/magenta.bmp", solid((255, 0, 255)))
write_bmp24("tests/buttons/res/yellow.bmp", solid((255, 255, 0)))
write_bmp24("demo/bitmaps/ok.bmp", tick())
write_bmp24("demo/bitmaps/cancel.bmp", cross())
write_bmp24("demo/bitmaps/search.bmp", glass())
write_bmp24("demo/bitmaps/sort.bmp", bars())
