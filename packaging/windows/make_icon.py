#!/usr/bin/env python3
"""Turns the program's 32x32 XPM icon into a Windows .ico: the icon itself in 16 colours, and
the same pixels enlarged to 64 and 256 pixels for large icons and high-density screens.

    make_icon.py ICON.xpm OUT.ico
"""
import re
import struct
import sys
import zlib


def read_xpm(path):
    """The XPM's pixels as rows of (r, g, b, a), and its palette in order of appearance."""
    strings = re.findall(r'"([^"]*)"', open(path, encoding="ascii").read())
    width, height, count, per_pixel = map(int, strings[0].split()[:4])
    colours = {}
    for line in strings[1 : 1 + count]:
        key, value = line[:per_pixel], line[per_pixel:].split()[-1]
        colours[key] = (0, 0, 0, 0) if value.lower() == "none" else (
            int(value[1:3], 16), int(value[3:5], 16), int(value[5:7], 16), 255)
    rows = strings[1 + count : 1 + count + height]
    pixels = [[colours[row[x * per_pixel : (x + 1) * per_pixel]] for x in range(width)]
              for row in rows]
    return pixels, list(colours.values())


def enlarged(pixels, factor):
    return [[p for p in row for _ in range(factor)] for row in pixels for _ in range(factor)]


def padded(row):
    return row + b"\0" * (-len(row) % 4)


def and_mask(pixels):
    """One bit per pixel, set where the pixel is transparent; bottom row first."""
    rows = []
    for row in reversed(pixels):
        bits = 0
        for p in row:
            bits = bits << 1 | (p[3] == 0)
        rows.append(padded(bits.to_bytes(len(row) // 8, "big")))
    return b"".join(rows)


def bmp_16_colours(pixels, palette):
    size = len(pixels)
    opaque = [c for c in palette if c[3]]
    index = {c: i for i, c in enumerate(opaque)}
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 4, 0, 0, 0, 0, 16, 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b, _ in opaque)
    table += b"\0" * (64 - len(table))
    rows = []
    for row in reversed(pixels):
        nibbles = [index.get(p, 0) for p in row]
        rows.append(padded(bytes(a << 4 | b for a, b in zip(nibbles[::2], nibbles[1::2]))))
    return header + table + b"".join(rows) + and_mask(pixels)


def bmp_true_colour(pixels):
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    data = b"".join(struct.pack("<BBBB", b, g, r, a) for row in reversed(pixels)
                    for r, g, b, a in row)
    return header + data + and_mask(pixels)


def png(pixels):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(
            ">I", zlib.crc32(kind + data))
    size = len(pixels)
    raw = b"".join(b"\0" + bytes(v for p in row for v in p) for row in pixels)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main(source, target):
    pixels, palette = read_xpm(source)
    if len([c for c in palette if c[3]]) > 16:
        sys.exit(f"{source}: more than 16 colours")
    images = [(32, 4, bmp_16_colours(pixels, palette)),
              (64, 32, bmp_true_colour(enlarged(pixels, 2))),
              (256, 32, png(enlarged(pixels, 8)))]
    offset = 6 + 16 * len(images)
    out = struct.pack("<HHH", 0, 1, len(images))
    for size, depth, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 16 if depth == 4 else 0, 0, 1,
                           depth, len(data), offset)
        offset += len(data)
    with open(target, "wb") as f:
        f.write(out + b"".join(data for _, _, data in images))


if __name__ == "__main__":
    main(*sys.argv[1:])
