#!/usr/bin/env python3
"""Draws the small icons that the demo's module page and the module tests load
through CLoadIcon, as 32 x 32 true-colour .ico files with a transparency mask.

  demo/icons/patient.ico, record.ico, export.ico
  tests/module/icons/patient.ico, record.ico

Run from the repository root: python3 tools/make_icons.py
"""
import os
import struct

SIZE = 32
CLEAR = None


def blank():
    return [[CLEAR] * SIZE for _ in range(SIZE)]


def fill_rect(img, x0, y0, x1, y1, colour):
    for y in range(y0, y1):
        for x in range(x0, x1):
            img[y][x] = colour


def fill_circle(img, cx, cy, r, colour):
    for y in range(SIZE):
        for x in range(SIZE):
            if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                img[y][x] = colour


def patient():
    # A head and shoulders in blue.
    img = blank()
    fill_circle(img, 16, 10, 6, (40, 90, 190))
    for y in range(18, 30):
        half = min(12, 5 + (y - 18))
        fill_rect(img, 16 - half, y, 16 + half, y + 1, (40, 90, 190))
    return img


def record():
    # A white sheet with a folded corner and four text lines.
    img = blank()
    fill_rect(img, 6, 2, 26, 30, (90, 90, 90))
    fill_rect(img, 7, 3, 25, 29, (255, 255, 255))
    for i in range(4):
        fill_rect(img, 10, 9 + 5 * i, 22, 11 + 5 * i, (200, 40, 40) if i == 0 else (60, 60, 60))
    return img


def export():
    # A yellow folder with a green arrow leaving it.
    img = blank()
    fill_rect(img, 3, 8, 13, 12, (200, 160, 40))
    fill_rect(img, 3, 11, 27, 28, (230, 190, 60))
    fill_rect(img, 12, 17, 24, 21, (20, 140, 40))
    for i in range(6):
        fill_rect(img, 24 + i, 13 + i, 25 + i, 25 - i, (20, 140, 40))
    return img


def write_ico(path, img):
    xor = bytearray()
    for row in reversed(img):                      # bottom-up, BGRA
        for pixel in row:
            xor += bytes((0, 0, 0, 0)) if pixel is CLEAR else bytes((pixel[2], pixel[1], pixel[0], 255))
    mask = bytearray()
    for row in reversed(img):                      # 1 = transparent, rows padded to 4 bytes
        bits = 0
        for x, pixel in enumerate(row):
            if pixel is CLEAR:
                bits |= 1 << (31 - x)
        mask += struct.pack(">I", bits)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = info + xor + mask
    header = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(header + entry + image)


def main():
    root = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    icons = {"patient": patient(), "record": record(), "export": export()}
    for name, img in icons.items():
        write_ico(os.path.join(root, "demo", "icons", name + ".ico"), img)
    for name in ("patient", "record"):
        write_ico(os.path.join(root, "tests", "module", "icons", name + ".ico"), icons[name])


if __name__ == "__main__":
    main()
