#!/usr/bin/env python3
"""Draws Corvane's icon and writes it as a .ico: one 48x48 image, 32 bits
per pixel with alpha. Standard library only.

Usage: make_icon.py OUT.ico

The picture: a rounded blue square with a white eighth note and a small
orange tag in the corner. Each pixel is sampled 4x4 times for smooth edges.
"""
import math
import struct
import sys

SIZE = 48
SAMPLES = 4


def rounded_square(x, y):
    inset, radius = 2.0, 9.0
    lo, hi = inset + radius, SIZE - inset - radius
    dx = max(lo - x, 0.0, x - hi)
    dy = max(lo - y, 0.0, y - hi)
    return math.hypot(dx, dy) <= radius


def note(x, y):
    # Two heads, two stems and the beam between them.
    for cx, cy in ((16.5, 33.0), (31.5, 30.0)):
        ex, ey = (x - cx) / 5.2, (y - cy) / 3.8
        rx = ex * math.cos(-0.35) - ey * math.sin(-0.35)
        ry = ex * math.sin(-0.35) + ey * math.cos(-0.35)
        if rx * rx + ry * ry <= 1.0:
            return True
    if 19.6 <= x <= 21.6 and 12.0 <= y <= 32.5:
        return True
    if 34.6 <= x <= 36.6 and 9.0 <= y <= 29.5:
        return True
    beam_top = 12.0 - (x - 19.6) * (3.0 / 17.0)
    return 19.6 <= x <= 36.6 and beam_top <= y <= beam_top + 4.5


def tag(x, y):
    return math.hypot(x - 38.5, y - 38.5) <= 5.5


def colour(x, y):
    """Straight (non-premultiplied) RGBA of one sample point."""
    if not rounded_square(x, y):
        return (0, 0, 0, 0)
    if tag(x, y):
        return (245, 150, 40, 255)
    if note(x, y):
        return (255, 255, 255, 255)
    # Top-to-bottom gradient, lighter at the top.
    t = y / SIZE
    return (int(60 - 30 * t), int(140 - 50 * t), int(230 - 40 * t), 255)


def pixel(px, py):
    total = [0.0, 0.0, 0.0, 0.0]
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            r, g, b, a = colour(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES)
            total[0] += r * a
            total[1] += g * a
            total[2] += b * a
            total[3] += a
    alpha = total[3] / (SAMPLES * SAMPLES)
    if total[3] == 0:
        return (0, 0, 0, 0)
    return tuple(int(round(c / total[3])) for c in total[:3]) + (int(round(alpha)),)


def icon_bytes():
    # The image is a bottom-up BGRA bitmap followed by a 1-bit AND mask; the
    # header's height counts both halves.
    rows = []
    for py in reversed(range(SIZE)):
        row = bytearray()
        for px in range(SIZE):
            r, g, b, a = pixel(px, py)
            row += bytes((b, g, r, a))
        rows.append(bytes(row))
    xor = b"".join(rows)
    mask_stride = ((SIZE + 31) // 32) * 4
    mask = bytes(mask_stride * SIZE)  # alpha decides; the mask stays clear
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask), 0, 0,
                         0, 0)
    image = header + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_icon.py OUT.ico")
    with open(sys.argv[1], "wb") as out:
        out.write(icon_bytes())


if __name__ == "__main__":
    main()
