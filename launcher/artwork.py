#!/usr/bin/env python3
"""Draws the launcher's artwork: a dusk landscape with a watchtower.

    artwork.py OUTPUT_DIRECTORY

writes picture.bmp (140 x 153 pixels, 24 bits) and launcher.ico (64, 48, 32 and 16 pixels, 32 bits
with alpha). Standard library only, so that any host's python3 can run it during a cross build.
"""
import math
import struct
import sys
from pathlib import Path

PICTURE_SIZE = (140, 153)
ICON_SIZES = (64, 48, 32, 16)
SAMPLES = 3  # per axis, for smooth edges

HORIZON = 0.62
SHORE = 0.80
SUN = (0.66, 0.43, 0.08)  # centre u, v and radius
TOWER = (0.20, 0.29)  # left and right u


def mix(a, b, t):
    t = min(max(t, 0.0), 1.0)
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def sky(u, v):
    top, middle, low = (18, 24, 62), (112, 58, 108), (246, 158, 78)
    colour = mix(top, middle, v / 0.40) if v < 0.40 else mix(middle, low, (v - 0.40) / (HORIZON - 0.40))
    du, dv = u - SUN[0], v - SUN[1]
    distance = math.hypot(du, dv * 1.1)
    if distance < SUN[2]:
        return mix((255, 236, 170), (255, 196, 110), distance / SUN[2])
    return mix(colour, (255, 210, 140), 0.55 * math.exp(-(distance - SUN[2]) * 9.0))


def far_ridge(u):
    return 0.50 + 0.045 * math.sin(u * 7.0 + 1.3) + 0.025 * math.sin(u * 17.0 + 0.4)


def near_ridge(u):
    return 0.66 + 0.045 * math.sin(u * 4.6 + 0.8) + 0.015 * math.sin(u * 13.0 + 2.0)


def tower(u, v):
    """The watchtower's silhouette, and its lit window."""
    left, right = TOWER
    base = near_ridge((left + right) / 2) + 0.02
    top = base - 0.24
    if not left <= u <= right or not top <= v <= base:
        return None
    crenel = int((u - left) / ((right - left) / 5)) % 2 == 1
    if crenel and v < top + 0.025:
        return None
    width = right - left
    if abs(u - (left + right) / 2) < width * 0.12 and top + 0.06 < v < top + 0.10:
        return (255, 204, 96)
    return (30, 20, 40)


def land(u, v):
    if v > near_ridge(u):
        return mix((46, 28, 54), (24, 16, 32), (v - near_ridge(u)) / 0.2)
    if v > far_ridge(u):
        return mix((126, 70, 110), (88, 50, 92), (v - far_ridge(u)) / 0.15)
    return None


def scene(u, v):
    """The colour at (u, v) in [0, 1] x [0, 1], v downwards."""
    if v > SHORE:
        mirrored = 2 * SHORE - v
        ripple = 0.5 + 0.5 * math.sin(v * 260.0 + math.sin(u * 30.0) * 2.0)
        colour = tower(u, mirrored) or land(u, mirrored) or sky(u, mirrored)
        return mix(colour, (14, 18, 44), 0.35 + 0.25 * ripple)
    return tower(u, v) or land(u, v) or sky(u, v)


def render(width, height, shade):
    """Rows from the top of (r, g, b, coverage), averaged over SAMPLES x SAMPLES points per pixel."""
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            total = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    u = (x + (sx + 0.5) / SAMPLES) / width
                    v = (y + (sy + 0.5) / SAMPLES) / height
                    colour = shade(u, v)
                    if colour is not None:
                        for i in range(3):
                            total[i] += colour[i]
                        total[3] += 1
            n = total[3]
            row.append(tuple(c / n if n else 0 for c in total[:3]) + (n / SAMPLES ** 2,))
        rows.append(row)
    return rows


def icon_shade(u, v):
    """The icon: the sun and the tower's hill seen through a round window with a dark rim."""
    radius = math.hypot(u - 0.5, v - 0.5)
    if radius > 0.5:
        return None
    if radius > 0.44:
        return (40, 26, 52)
    return scene(0.10 + u * 0.70, 0.24 + v * 0.70)


def channel(value):
    return max(0, min(255, int(round(value))))


def dib_rows(rows, with_alpha):
    """Pixel rows bottom-up in BGR(A), each padded to four bytes."""
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b, a in row:
            line += bytes((channel(b), channel(g), channel(r)))
            if with_alpha:
                line.append(channel(a * 255))
        line += bytes(-len(line) % 4)
        data += line
    return bytes(data)


def info_header(width, height, bits, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size, 2835, 2835, 0, 0)


def bmp(rows):
    height, width = len(rows), len(rows[0])
    pixels = dib_rows(rows, with_alpha=False)
    header = info_header(width, height, 24, len(pixels))
    offset = 14 + len(header)
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + header + pixels


def icon_image(size):
    rows = render(size, size, icon_shade)
    pixels = dib_rows(rows, with_alpha=True)
    mask_stride = (size + 31) // 32 * 4
    mask = bytes(mask_stride * size)  # all opaque: the alpha channel carries the shape
    # An icon's image is a DIB of twice its height: the colour rows, then the AND mask.
    return info_header(size, size * 2, 32, len(pixels) + len(mask)) + pixels + mask


def ico(sizes):
    images = [icon_image(size) for size in sizes]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries, data = b"", b""
    for size, image in zip(sizes, images):
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset + len(data))
        data += image
    return directory + entries + data


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: artwork.py OUTPUT_DIRECTORY")
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    (out / "picture.bmp").write_bytes(bmp(render(*PICTURE_SIZE, scene)))
    (out / "launcher.ico").write_bytes(ico(ICON_SIZES))


if __name__ == "__main__":
    main()
