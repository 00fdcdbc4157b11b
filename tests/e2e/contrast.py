#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Korvane developers
#
# SPDX-License-Identifier: MIT

"""Contrast of text as a screenshot shows it, as WCAG 2 defines contrast.

  contrast.py text IMAGE X Y W H   prints "GROUND INK RATIO" for the text in
                                   that region: the ground is the commonest
                                   colour there, the ink the pixel that
                                   stands out most from it
  contrast.py colours RGB RGB      prints the ratio of two colours (hex)
"""

import subprocess
import sys
from collections import Counter


def luminance(rgb):
    def linear(channel):
        c = channel / 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4

    r, g, b = rgb
    return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b)


def ratio(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def pixels(image, x, y, w, h):
    raw = subprocess.run(
        ["convert", image, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-depth", "8", "rgb:-"],
        check=True, capture_output=True).stdout
    return [tuple(raw[i:i + 3]) for i in range(0, len(raw) - 2, 3)]


def hex_colour(rgb):
    return "#%02x%02x%02x" % rgb


def main(argv):
    if len(argv) == 7 and argv[1] == "text":
        found = pixels(argv[2], *map(int, argv[3:7]))
        if not found:
            sys.exit("no pixels in that region")
        ground = Counter(found).most_common(1)[0][0]
        ink = max(set(found), key=lambda rgb: ratio(ground, rgb))
        print(hex_colour(ground), hex_colour(ink), "%.2f" % ratio(ground, ink))
    elif len(argv) == 4 and argv[1] == "colours":
        a, b = (tuple(int(c.lstrip("#")[i:i + 2], 16) for i in (0, 2, 4)) for c in argv[2:4])
        print("%.2f" % ratio(a, b))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
