#!/usr/bin/env python3
"""Draws the program's icon (a blue payment card with a gold chip) at 16 and 32 pixels and
writes it as app/DevTool.ico. Run by hand when the art changes; the icon file is committed."""
import struct
import sys


def card(size):
    """Rows top-down of (r, g, b, a) for one icon size."""
    s = size / 32.0
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]

    def inside_round_rect(x, y, l, t, r, b, rad):
        cx = min(max(x, l + rad), r - rad)
        cy = min(max(y, t + rad), b - rad)
        return (x - cx) ** 2 + (y - cy) ** 2 <= rad * rad

    for y in range(size):
        for x in range(size):
            fx, fy = (x + 0.5) / s, (y + 0.5) / s
            if inside_round_rect(fx, fy, 2, 6, 30, 26, 3):
                shade = int(176 - (fy - 6) * 2.5)
                colour = (43, 108, max(shade, 120), 255)
                if inside_round_rect(fx, fy, 3, 7, 29, 25, 2) is False:
                    colour = (24, 70, 120, 255)
                if 6 <= fx <= 13 and 11 <= fy <= 17:
                    colour = (232, 188, 72, 255)
                    if fx in (6, 13) or int(fy) in (11, 17) or abs(fx - 9.5) < 0.6 * 32 / size:
                        colour = (176, 132, 40, 255)
                if 6 <= fx <= 26 and 20 <= fy <= 22:
                    colour = (229, 241, 251, 255)
                px[y][x] = colour
    return px


def dib(size, rows):
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b''.join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + xor + bytes(mask)


def main(path):
    images = [(n, dib(n, card(n))) for n in (16, 32)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, data in images:
        out += struct.pack('<BBBBHHII', n, n, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b''.join(data for _, data in images)
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'app/DevTool.ico')
