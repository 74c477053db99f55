#!/usr/bin/env python3
"""Draws the program icon (a record with a label) into resources/Kolvane.ico.

Run once when the design changes; the .ico is kept in the repository.
"""
import math
import struct
import sys


def pixel(x, y, size):
    c = (size - 1) / 2.0
    r = math.hypot(x - c, y - c) / (size / 2.0)
    if r > 0.97:
        return (0, 0, 0, 0)
    if r > 0.90:
        return (20, 20, 20, 255)
    if r < 0.10:
        return (240, 240, 240, 255)  # spindle hole
    if r < 0.36:
        return (30, 110, 200, 255)  # label
    groove = 40 + int(25 * (math.sin(r * 60) + 1))
    return (groove, groove, groove + 10, 255)


def image(size):
    rows = []
    for y in range(size - 1, -1, -1):  # bottom-up
        rows.append(b"".join(struct.pack("BBBB", b, g, r, a)
                             for (r, g, b, a) in (pixel(x, y, size) for x in range(size))))
    xor = b"".join(rows)
    mask_row = ((size + 31) // 32) * 4
    and_mask = b"\0" * (mask_row * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    return header + xor + and_mask


def main(path):
    sizes = [16, 32, 48]
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "resources/Kolvane.ico")
