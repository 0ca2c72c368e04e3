#!/usr/bin/env python3
"""Draws Velmora's own 32 x 32 tray icon (32 bits per pixel, with alpha) and writes it
as an .ico file: a database cylinder with a green arrow going down into it.
Run by hand when the picture changes; the build uses the committed file."""
import struct
import sys

SIZE = 32


def inside_ellipse(x, y, cx, cy, rx, ry):
    return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def pixel(x, y):
    """Returns (b, g, r, a) for the pixel's centre."""
    px, py = x + 0.5, y + 0.5
    cx, rx, ry = 14.0, 11.0, 4.0
    top, bottom = 7.0, 26.0
    # Arrow: a green shaft and head at the right.
    if 23.0 <= px <= 27.0 and 3.0 <= py <= 14.0:
        return (40, 170, 60, 255)
    if 14.0 <= py <= 21.0 and abs(px - 25.0) <= (21.0 - py) * 0.9:
        return (40, 170, 60, 255)
    in_body = cx - rx <= px <= cx + rx and top <= py <= bottom
    in_cap = inside_ellipse(px, py, cx, top, rx, ry)
    in_base = inside_ellipse(px, py, cx, bottom, rx, ry)
    if in_cap:
        edge = not inside_ellipse(px, py, cx, top, rx - 1.2, ry - 1.0)
        return (120, 80, 30, 255) if edge else (235, 190, 110, 255)
    if in_body or in_base:
        edge = px < cx - rx + 1.2 or px > cx + rx - 1.2 or (in_base and not inside_ellipse(px, py, cx, bottom, rx - 1.2, ry - 1.0) and py > bottom)
        # Two rings mark the disk platters.
        ring = any(abs(py - (ry0 + ry * ((1 - ((px - cx) / rx) ** 2) ** 0.5))) < 0.7 for ry0 in (13.5, 19.5)) if abs(px - cx) < rx else False
        if edge or ring:
            return (120, 80, 30, 255)
        shade = int(200 - 60 * abs(px - cx) / rx)
        return (shade - 60, shade - 20, shade + 20 if shade + 20 < 256 else 255, 255)
    return (0, 0, 0, 0)


def main(out):
    rows = []
    for y in reversed(range(SIZE)):  # bottom-up
        rows.append(b"".join(struct.pack("BBBB", *pixel(x, y)) for x in range(SIZE)))
    xor = b"".join(rows)
    and_mask = b"\x00" * (4 * SIZE)  # alpha carries the shape; the mask is all opaque bits
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + xor + and_mask
    ico = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 22) + image
    with open(out, "wb") as f:
        f.write(ico)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "resources/velmora.ico")
