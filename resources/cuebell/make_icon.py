#!/usr/bin/env python3
"""Draws Cuebell's application icon, a golden bell sounding two blue waves, and writes it
as a Windows icon file with 16, 32 and 48 pixel images in 32-bit colour with alpha.

Every shape is a signed distance function, so each size is drawn at its own resolution
with smooth edges instead of being scaled down from one large picture.

Usage: make_icon.py OUTPUT.ico
"""

import math
import struct
import sys

SIZES = (16, 32, 48)

GOLD_LIGHT = (255, 226, 120)
GOLD_DARK = (214, 150, 30)
OUTLINE = (122, 78, 0)
WAVE = (38, 118, 214)


def length(x, y):
    return math.sqrt(x * x + y * y)


def circle(px, py, cx, cy, r):
    return length(px - cx, py - cy) - r


def rounded_box(px, py, cx, cy, hw, hh, r):
    qx = abs(px - cx) - hw + r
    qy = abs(py - cy) - hh + r
    outside = length(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - r


def polygon(px, py, points):
    """Signed distance to a closed polygon (negative inside)."""
    d = float("inf")
    inside = False
    n = len(points)
    for i in range(n):
        ax, ay = points[i]
        bx, by = points[(i + 1) % n]
        ex, ey = bx - ax, by - ay
        wx, wy = px - ax, py - ay
        t = max(0.0, min(1.0, (wx * ex + wy * ey) / (ex * ex + ey * ey)))
        d = min(d, length(wx - ex * t, wy - ey * t))
        if (ay > py) != (by > py) and px < ax + (py - ay) * ex / ey:
            inside = not inside
    return -d if inside else d


def arc(px, py, cx, cy, radius, thickness, half_angle):
    """A ring segment opening to the right, half_angle either side of the horizontal."""
    angle = math.atan2(py - cy, px - cx)
    ring = abs(length(px - cx, py - cy) - radius) - thickness / 2
    if abs(angle) <= half_angle:
        return ring
    # Beyond the segment: distance to its rounded ends.
    end = half_angle if angle > 0 else -half_angle
    ex, ey = cx + radius * math.cos(end), cy + radius * math.sin(end)
    return length(px - ex, py - ey) - thickness / 2


BELL_X = 0.37
BODY = [(BELL_X - 0.12, 0.32), (BELL_X - 0.125, 0.46), (BELL_X - 0.15, 0.58),
        (BELL_X - 0.20, 0.66), (BELL_X - 0.26, 0.71), (BELL_X + 0.26, 0.71),
        (BELL_X + 0.20, 0.66), (BELL_X + 0.15, 0.58), (BELL_X + 0.125, 0.46),
        (BELL_X + 0.12, 0.32)]


def bell(px, py):
    d = polygon(px, py, BODY)
    d = min(d, circle(px, py, BELL_X, 0.33, 0.12))  # dome
    d = min(d, rounded_box(px, py, BELL_X, 0.72, 0.29, 0.04, 0.035))  # lip
    d = min(d, circle(px, py, BELL_X, 0.16, 0.05))  # knob
    return d


def clapper(px, py):
    return circle(px, py, BELL_X, 0.82, 0.065)


def waves(px, py, size):
    thickness = 0.075 if size <= 16 else 0.06
    radii = (0.20,) if size <= 16 else (0.19, 0.31)
    return min(arc(px, py, BELL_X + 0.30, 0.46, r, thickness, math.radians(42)) for r in radii)


def coverage(d, pixel):
    """How much of a pixel a shape covers, from its distance at the pixel's centre."""
    return max(0.0, min(1.0, 0.5 - d / pixel))


def over(top, alpha, base):
    """Straight-alpha 'over' composition of one colour on another."""
    tr, tg, tb = top
    br, bg, bb, ba = base
    out_a = alpha + ba * (1 - alpha)
    if out_a <= 0:
        return (0.0, 0.0, 0.0, 0.0)
    mix = [(t * alpha + b * ba * (1 - alpha)) / out_a for t, b in zip((tr, tg, tb), (br, bg, bb))]
    return (mix[0], mix[1], mix[2], out_a)


def gold_at(px, py):
    # Lit from the upper left.
    t = max(0.0, min(1.0, (px - (BELL_X - 0.22)) / 0.44 * 0.8 + (py - 0.2) * 0.4))
    return tuple(a + (b - a) * t for a, b in zip(GOLD_LIGHT, GOLD_DARK))


def render(size):
    pixel = 1.0 / size
    outline = max(1.0, size / 24.0) * pixel
    rows = []
    for j in range(size):
        row = []
        for i in range(size):
            px, py = (i + 0.5) * pixel, (j + 0.5) * pixel
            colour = (0.0, 0.0, 0.0, 0.0)
            colour = over(WAVE, coverage(waves(px, py, size), pixel), colour)
            # Clapper, then the bell over it: each a dark outline around its fill.
            for shape, fill in ((clapper(px, py), GOLD_DARK), (bell(px, py), gold_at(px, py))):
                colour = over(OUTLINE, coverage(shape, pixel), colour)
                colour = over(fill, coverage(shape + outline, pixel), colour)
            row.append(colour)
        rows.append(row)
    return rows


def icon_image(size, draw=render):
    """BITMAPINFOHEADER, bottom-up BGRA pixels and the AND mask of one icon image."""
    rows = draw(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            pixels += bytes((round(b), round(g), round(r), round(a * 255)))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_stride)
        for i, (_, _, _, a) in enumerate(row):
            if round(a * 255) == 0:
                bits[i // 8] |= 0x80 >> (i % 8)
        mask += bits
    return header + bytes(pixels) + bytes(mask)


def write_icon(path, draw=render):
    """Writes an icon file with one image per size, each drawn by draw(size)."""
    images = [icon_image(size, draw) for size in SIZES]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for size, image in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    with open(path, "wb") as f:
        f.write(out)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_icon.py OUTPUT.ico")
    write_icon(sys.argv[1])


if __name__ == "__main__":
    main()
