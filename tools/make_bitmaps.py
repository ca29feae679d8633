#!/usr/bin/env python3
"""Draws the two bitmaps of QVCtrl.dll as 4-bit Windows BMP files.

  src/res/checkbox.bmp  bitmap 200: 32 x 16, an empty and a ticked 16 x 16
                        check box on pure red (the image list's mask colour)
  src/res/sorthead.bmp  bitmap 343: 32 x 15, an upward and a downward 16 x 15
                        triangle on light grey; black is kept out of the
                        images because the header's image list masks black

  tests/module/icons/host201.bmp       a host program's own bitmap for the tests:
                                      48 x 16, three images on green
  tests/module_host/host200.bmp       a second host's bitmap 200: 48 x 16, three
                                      images on green (the library's has two)

Run from the repository root: python3 tools/make_bitmaps.py
"""
import os
import struct

# The 16 colours of the classic VGA palette, so every colour we use is exact.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_GREY, LIGHT_GREY, RED, WHITE = 0, 8, 7, 9, 15
GREEN, BLUE, YELLOW = 10, 12, 11


def write_bmp4(path, pixels):
    """pixels: rows top to bottom of palette indexes."""
    height, width = len(pixels), len(pixels[0])
    stride = ((width + 7) // 8) * 4          # 4 bits a pixel, rows padded to 4 bytes
    body = bytearray()
    for row in reversed(pixels):             # BMP rows run bottom-up
        line = bytearray(stride)
        for x, index in enumerate(row):
            line[x // 2] |= index << (4 if x % 2 == 0 else 0)
        body += line
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(body),
                       2835, 2835, 16, 0)
    with open(path, "wb") as f:
        f.write(header + info + palette + body)


def canvas(width, height, colour):
    return [[colour] * width for _ in range(height)]


def check_box(img, left, ticked):
    # A 13 x 13 box with a sunken frame, centred in its 16 x 16 cell.
    top, size = 1, 13
    x0 = left + 1
    for y in range(top, top + size):
        for x in range(x0, x0 + size):
            edge = y in (top, top + size - 1) or x in (x0, x0 + size - 1)
            img[y][x] = DARK_GREY if edge else WHITE
    for i in range(1, size - 1):              # inner black line on top and left
        img[top + 1][x0 + i] = BLACK
        img[top + i][x0 + 1] = BLACK
    if ticked:
        # A tick three pixels thick: down-right from (3,6) to (5,8), then up to (9,4).
        path = [(3, 6), (4, 7), (5, 8), (6, 7), (7, 6), (8, 5), (9, 4)]
        for (dx, dy) in path:
            for t in range(3):
                img[top + dy + t - 1][x0 + dx] = BLACK


def triangle(img, left, upward):
    # An isosceles triangle 9 wide and 5 high, dark grey with a white lit edge.
    height, half = 5, 4
    cx, top = left + 7, 5
    for i in range(height):
        row = top + i if upward else top + height - 1 - i
        for x in range(cx - i * half // (height - 1), cx + i * half // (height - 1) + 1):
            img[row][x] = DARK_GREY
    base = top + height - 1 if upward else top
    for x in range(cx - half, cx + half + 1):
        img[base][x] = WHITE if upward else DARK_GREY
    for i in range(height):                   # light falls from the lower right
        row = top + i if upward else top + height - 1 - i
        img[row][cx + i * half // (height - 1)] = WHITE


def host_bitmap():
    # Three 16 x 16 images on green, each a filled square of its own colour.
    img = canvas(48, 16, GREEN)
    for i, colour in enumerate((BLUE, YELLOW, WHITE)):
        for y in range(4, 12):
            for x in range(16 * i + 4, 16 * i + 12):
                img[y][x] = colour
    return img


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    for folder in ("tests/module/icons", "tests/module_host"):
        os.makedirs(os.path.join(root, folder), exist_ok=True)
    write_bmp4(os.path.join(root, "tests", "module", "icons", "host201.bmp"), host_bitmap())
    write_bmp4(os.path.join(root, "tests", "module_host", "host200.bmp"), host_bitmap())

    out = os.path.join(root, "src", "res")
    boxes = canvas(32, 16, RED)
    check_box(boxes, 0, ticked=False)
    check_box(boxes, 16, ticked=True)
    write_bmp4(os.path.join(out, "checkbox.bmp"), boxes)

    arrows = canvas(32, 15, LIGHT_GREY)
    triangle(arrows, 0, upward=True)
    triangle(arrows, 16, upward=False)
    write_bmp4(os.path.join(out, "sorthead.bmp"), arrows)


if __name__ == "__main__":
    main()
