#!/usr/bin/env python3
"""Draws Tonegate's application icon, a blue telephone keypad sending a golden tone, and
writes it as a Windows icon file in the sizes and format of Cuebell's icon, with the same
drawing helpers.

Usage: make_icon.py OUTPUT.ico
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "cuebell"))
import make_icon as shapes  # noqa: E402

PAD = (38, 88, 170)
PAD_LIGHT = (92, 150, 232)
KEY = (240, 244, 250)
OUTLINE = (16, 40, 90)
TONE = (226, 160, 30)


def pad(px, py):
    return shapes.rounded_box(px, py, 0.38, 0.52, 0.30, 0.38, 0.08)


def keys(px, py, size):
    """Three rows of three keys; the 16-pixel image keeps two by two so they stay apart."""
    if size <= 16:
        columns, rows, half = (0.25, 0.51), (0.36, 0.64), 0.085
    else:
        columns, rows, half = (0.22, 0.38, 0.54), (0.30, 0.50, 0.70), 0.055
    return min(shapes.rounded_box(px, py, x, y, half, half, half / 3)
               for x in columns for y in rows)


def tone(px, py, size):
    thickness = 0.075 if size <= 16 else 0.06
    centre, radii = ((0.70, 0.20), (0.17,)) if size <= 16 else ((0.70, 0.22), (0.13, 0.24))
    return min(shapes.arc(px, py, centre[0], centre[1], r, thickness, 0.7) for r in radii)


def pad_at(px, py):
    # Lit from the upper left, like Cuebell's bell.
    t = max(0.0, min(1.0, (px - 0.08) / 0.6 * 0.6 + (py - 0.14) * 0.5))
    return tuple(a + (b - a) * t for a, b in zip(PAD_LIGHT, PAD))


def render(size):
    pixel = 1.0 / size
    outline = max(1.0, size / 24.0) * pixel
    rows = []
    for j in range(size):
        row = []
        for i in range(size):
            px, py = (i + 0.5) * pixel, (j + 0.5) * pixel
            colour = (0.0, 0.0, 0.0, 0.0)
            colour = shapes.over(TONE, shapes.coverage(tone(px, py, size), pixel), colour)
            body = pad(px, py)
            colour = shapes.over(OUTLINE, shapes.coverage(body, pixel), colour)
            colour = shapes.over(pad_at(px, py), shapes.coverage(body + outline, pixel), colour)
            colour = shapes.over(KEY, shapes.coverage(keys(px, py, size), pixel), colour)
            row.append(colour)
        rows.append(row)
    return rows


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: make_icon.py OUTPUT.ico")
    shapes.write_icon(sys.argv[1], render)
