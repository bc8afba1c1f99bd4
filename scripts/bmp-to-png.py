#!/usr/bin/env python3
"""Converts an uncompressed 24- or 32-bit BMP file into a PNG file (standard library only).

    bmp-to-png.py INPUT.bmp OUTPUT.png
"""
import struct
import sys
import zlib


def read_bmp(data):
    """Width, height and RGB rows from the top of a BI_RGB bitmap."""
    if data[:2] != b"BM":
        sys.exit("bmp-to-png: not a BMP file")
    (offset,) = struct.unpack_from("<I", data, 10)
    width, height, _, bits, compression = struct.unpack_from("<iiHHI", data, 18)
    if bits not in (24, 32) or compression != 0:
        sys.exit(f"bmp-to-png: only uncompressed 24- and 32-bit bitmaps (this one: {bits} bits)")
    step = bits // 8
    stride = (width * step + 3) // 4 * 4
    rows = []
    for y in range(abs(height)):
        start = offset + y * stride
        line = data[start:start + width * step]
        rgb = bytearray()
        for x in range(0, len(line), step):
            rgb += bytes((line[x + 2], line[x + 1], line[x]))
        rows.append(bytes(rgb))
    if height > 0:  # bottom-up
        rows.reverse()
    return width, abs(height), rows


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))


def png(width, height, rows):
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    pixels = b"".join(b"\x00" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(pixels, 9))
            + chunk(b"IEND", b""))


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: bmp-to-png.py INPUT.bmp OUTPUT.png")
    with open(sys.argv[1], "rb") as source:
        width, height, rows = read_bmp(source.read())
    with open(sys.argv[2], "wb") as target:
        target.write(png(width, height, rows))


if __name__ == "__main__":
    main()
