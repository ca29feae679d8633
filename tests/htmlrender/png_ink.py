"""png_ink.py <file.png>: prints how much of an 8-bit RGB(A) PNG is not white
and fails when it is blank (under 0.5 % dark pixels)."""
import struct
import sys
import zlib


def pixels(path):
    data = open(path, 'rb').read()
    assert data[:8] == b'\x89PNG\r\n\x1a\n', 'not a PNG'
    pos, idat, header = 8, b'', None
    while pos < len(data):
        length, kind = struct.unpack('>I4s', data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b'IHDR':
            header = struct.unpack('>IIBBBBB', body)
        elif kind == b'IDAT':
            idat += body
        pos += 12 + length
    width, height, depth, colour = header[:4]
    assert depth == 8 and colour in (2, 6), 'only 8-bit RGB(A)'
    channels = 3 if colour == 2 else 4
    raw = zlib.decompress(idat)
    stride = width * channels
    previous = bytearray(stride)
    rows = []
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            left = line[x - channels] if x >= channels else 0
            up = previous[x]
            corner = previous[x - channels] if x >= channels else 0
            if kind == 1:
                line[x] = (line[x] + left) & 255
            elif kind == 2:
                line[x] = (line[x] + up) & 255
            elif kind == 3:
                line[x] = (line[x] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                pred = left if pa <= pb and pa <= pc else (up if pb <= pc else corner)
                line[x] = (line[x] + pred) & 255
        rows.append(line)
        previous = line
    return width, height, channels, rows


def main():
    width, height, channels, rows = pixels(sys.argv[1])
    dark = sum(1 for row in rows for x in range(0, len(row), channels)
               if row[x] + row[x + 1] + row[x + 2] < 384)
    share = dark / float(width * height)
    print('%s: %dx%d, %.2f %% dark pixels' % (sys.argv[1], width, height, 100 * share))
    sys.exit(0 if share >= 0.005 else 1)


main()
