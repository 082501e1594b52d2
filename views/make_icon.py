#!/usr/bin/env python3
"""Draws the program's icon (brisko.ico): a blue rounded tile with a white sweep and a spark.
Run it again after changing the drawing; the .ico is committed beside it."""
import math
import struct
import sys


def pixel(x, y, n):
    """RGBA of the icon at (x, y) for an n x n image; coordinates in 0..1."""
    u, v = (x + 0.5) / n, (y + 0.5) / n
    r = 0.18  # corner radius of the tile
    dx = max(r - u, 0, u - (1 - r))
    dy = max(r - v, 0, v - (1 - r))
    if math.hypot(dx, dy) > r:
        return (0, 0, 0, 0)
    edge = r - math.hypot(dx, dy) < 1.2 / n
    t = v
    col = (int(74 + (18 - 74) * t), int(122 + (52 - 122) * t), int(206 + (128 - 206) * t))
    if edge:
        col = (10, 30, 80)
    # The sweep: a broad white arc from lower left to upper right.
    cx, cy, rad = 0.05, 1.05, 0.78
    d = math.hypot(u - cx, v - cy)
    if abs(d - rad) < 0.085 and u > 0.15 and v < 0.92:
        col = (255, 255, 255)
    # The spark: a small four-pointed star, upper right.
    sx, sy = 0.72, 0.3
    ax, ay = abs(u - sx), abs(v - sy)
    if ax * ay < 0.0018 and ax < 0.17 and ay < 0.17:
        col = (255, 214, 64)
    return col + (255,)


def image(n):
    rows = []
    for y in range(n - 1, -1, -1):  # bottom-up, as in a bitmap
        row = b""
        for x in range(n):
            r, g, b, a = pixel(x, y, n)
            row += bytes((b, g, r, a))
        rows.append(row)
    xor = b"".join(rows)
    mask_row = ((n + 31) // 32) * 4
    mask = bytes(mask_row * n)
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + xor + mask


def main(path):
    sizes = [16, 32, 48]
    images = [image(n) for n in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for n, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", n % 256, n % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "brisko.ico")
