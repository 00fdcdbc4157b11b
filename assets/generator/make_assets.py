#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Korvane developers
#
# SPDX-License-Identifier: MIT

"""Generate Korvane's pictures, icon and answer chime.

Pure standard library: shapes are described as signed distance functions,
rasterised with 4x4 supersampling and written out as PNG by hand; the chime
is synthesised as a small bell and written with the wave module.
Output is deterministic: running the script twice gives identical bytes.

Usage:  python3 assets/generator/make_assets.py   (writes into assets/)
"""

import math
import os
import wave

from raster import (Canvas, Circle, Ellipse, Polygon, Ring, RoundRect, Strokes, glyph_polylines, text_segments,
                    text_width, to_segments)

HERE = os.path.dirname(os.path.abspath(__file__))
ASSETS = os.path.dirname(HERE)


# ---------------------------------------------------------------------------
# Pictures
# ---------------------------------------------------------------------------

YELLOW = (255, 214, 10)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)


def make_logo(path):
    c = Canvas(120, 120, BLACK)
    grey = (206, 208, 214)
    cx, cy = 60.0, 43.0
    c.fill(Ring(cx, cy, 33.0, 38.0), grey)
    c.fill(Ring(cx, cy, 28.5, 30.5), grey)
    # eight-pointed star
    pts = []
    for k in range(16):
        a = math.radians(-90 + k * 22.5)
        r = 26.0 if k % 4 == 0 else (17.0 if k % 2 == 0 else 8.5)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    c.fill(Polygon(pts), grey)
    c.fill(Circle(cx, cy, 5.5), BLACK)
    c.fill(Circle(cx, cy, 3.0), grey)
    # word mark
    gap = 2.3
    scale = 1.95
    w = text_width("Belquist", gap) * scale
    segs = text_segments("Belquist", 60.0 - w / 2.0, 88.0, scale, gap)
    c.fill(Strokes(segs, 1.75 * scale), (255, 222, 0))
    c.save_png(path)


def question_mark(c, x, y, scale, angle, color, width):
    _, lines = glyph_polylines("?")
    ca, sa = math.cos(math.radians(angle)), math.sin(math.radians(angle))
    # rotate about the glyph's centre (3, 5.5)

    def xf(gx, gy):
        dx, dy = (gx - 3.0) * scale, (gy - 5.5) * scale
        return (x + dx * ca - dy * sa, y + dx * sa + dy * ca)

    c.fill(Strokes(to_segments(lines, xf), width * scale), color)
    dx, dy = xf(3.0, 10.6)
    c.fill(Circle(dx, dy, width * scale * 0.62), color)


def make_questions(path):
    c = Canvas(120, 120, (200, 246, 250))
    question_mark(c, 22.0, 72.0, 4.0, -14.0, (232, 40, 40), 1.8)
    question_mark(c, 98.0, 72.0, 4.0, 14.0, (30, 170, 60), 1.8)
    question_mark(c, 60.0, 60.0, 5.6, 0.0, (35, 85, 225), 1.8)
    c.save_png(path)


def face_base(c):
    c.fill(Circle(60.0, 60.0, 56.0), BLACK)
    c.fill(Circle(60.0, 60.0, 52.5), YELLOW)
    # soft cheeks
    c.fill(Circle(31.0, 72.0, 8.0), (255, 150, 90), 0.35)
    c.fill(Circle(89.0, 72.0, 8.0), (255, 150, 90), 0.35)


def eye(c, x, y, rx, ry):
    c.fill(Ellipse(x, y, rx, ry), BLACK)
    c.fill(Circle(x - rx * 0.3, y - ry * 0.4, rx * 0.38), WHITE)


def arc_segments(cx, cy, rx, ry, a0, a1):
    n = max(6, int(abs(a1 - a0) / 5))
    pts = [(cx + rx * math.cos(math.radians(a0 + (a1 - a0) * k / n)),
            cy + ry * math.sin(math.radians(a0 + (a1 - a0) * k / n))) for k in range(n + 1)]
    return [(a[0], a[1], b[0], b[1]) for a, b in zip(pts, pts[1:])]


def make_smile(path):
    c = Canvas(120, 120, WHITE)
    face_base(c)
    eye(c, 42.0, 45.0, 5.5, 8.0)
    eye(c, 78.0, 45.0, 5.5, 8.0)
    c.fill(Strokes(arc_segments(60.0, 60.0, 30.0, 28.0, 28.0, 152.0), 5.0), BLACK)
    c.save_png(path)


def make_surprised(path):
    c = Canvas(120, 120, WHITE)
    face_base(c)
    eye(c, 42.0, 46.0, 6.5, 9.0)
    eye(c, 78.0, 46.0, 6.5, 9.0)
    c.fill(Strokes(arc_segments(41.0, 38.0, 9.0, 7.0, -150.0, -35.0), 3.5), BLACK)
    c.fill(Strokes(arc_segments(79.0, 38.0, 9.0, 7.0, -145.0, -30.0), 3.5), BLACK)
    c.fill(Ellipse(60.0, 83.0, 8.5, 10.5), BLACK)
    c.fill(Ellipse(60.0, 84.0, 5.0, 6.8), (150, 35, 45))
    c.save_png(path)


# ---------------------------------------------------------------------------
# Program icon, drawn on a 256 unit grid and rendered at any size
# ---------------------------------------------------------------------------

def make_icon(path, size):
    s = size / 256.0
    c = Canvas(size, size, (0, 0, 0), alpha=0.0)
    top, bottom = (255, 190, 40), (250, 105, 45)

    def grad(x, y):
        t = min(1.0, max(0.0, (y / s - 12.0) / 232.0))
        return tuple(top[k] + (bottom[k] - top[k]) * t for k in range(3))

    c.fill(RoundRect(10 * s, 14 * s, 250 * s, 252 * s, 50 * s), (120, 50, 20), 0.35)
    c.fill(RoundRect(8 * s, 8 * s, 248 * s, 248 * s, 50 * s), grad)
    c.fill(Ellipse(128 * s, 62 * s, 104 * s, 44 * s), WHITE, 0.16)
    gap = 2.2
    scale = 7.3 * s
    w = text_width("7+5", gap) * scale
    x0 = 128 * s - w / 2.0
    y0 = 128 * s - 5.0 * scale
    stroke = 2.4 * scale
    c.fill(Strokes(text_segments("7+5", x0 + 4 * s, y0 + 6 * s, scale, gap), stroke), (150, 55, 15), 0.45)
    c.fill(Strokes(text_segments("7+5", x0, y0, scale, gap), stroke), WHITE)
    c.save_png(path, rgba=True)


# ---------------------------------------------------------------------------
# Chime
# ---------------------------------------------------------------------------

def make_chime(path):
    rate = 11025
    n = 6960
    f0 = 1046.5
    # (frequency ratio, amplitude, decay time in seconds)
    partials = [(0.5, 0.22, 0.30), (1.0, 1.0, 0.20), (2.0, 0.30, 0.12),
                (2.76, 0.35, 0.09), (4.07, 0.14, 0.06)]
    attack = 0.006
    fade = 0.06
    raw = []
    for i in range(n):
        t = i / float(rate)
        v = 0.0
        for ratio, amp, tau in partials:
            v += amp * math.exp(-t / tau) * math.sin(2.0 * math.pi * f0 * ratio * t)
        if t < attack:
            v *= 0.5 - 0.5 * math.cos(math.pi * t / attack)
        tail = (n - 1 - i) / float(rate)
        if tail < fade:
            v *= tail / fade
        raw.append(v)
    peak = max(abs(v) for v in raw)
    data = bytes(max(0, min(255, 128 + int(round(v / peak * 0.85 * 127.0)))) for v in raw)
    w = wave.open(path, "wb")
    w.setnchannels(1)
    w.setsampwidth(1)
    w.setframerate(rate)
    w.writeframes(data)
    w.close()


def main():
    make_logo(os.path.join(ASSETS, "pic0.png"))
    make_questions(os.path.join(ASSETS, "pic1.png"))
    make_smile(os.path.join(ASSETS, "pic2.png"))
    make_surprised(os.path.join(ASSETS, "pic3.png"))
    for n in (16, 32, 48, 64, 128, 256):
        make_icon(os.path.join(ASSETS, "icons", "hicolor", "%dx%d" % (n, n), "apps", "korvane.png"), n)
    make_chime(os.path.join(ASSETS, "chime.wav"))


if __name__ == "__main__":
    main()
