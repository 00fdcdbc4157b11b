# SPDX-FileCopyrightText: 2026 Korvane developers
#
# SPDX-License-Identifier: MIT

"""Drawing for the asset generator: shapes as signed distance functions,
a canvas that rasterises them with 4x4 supersampling and writes PNG by hand,
and a small table of stroke glyphs for letters and digits.
Pure standard library, deterministic output.
"""

import math
import os
import struct
import zlib

SS = 4  # supersamples per pixel along each axis
OFFSETS = [((i + 0.5) / SS, (j + 0.5) / SS) for j in range(SS) for i in range(SS)]


# ---------------------------------------------------------------------------
# Shapes: objects with sdf(x, y) (negative inside, magnitude a lower bound
# of the true distance) and a bounding box (x0, y0, x1, y1).
# ---------------------------------------------------------------------------

class Shape:
    def sdf(self, x, y):
        raise NotImplementedError


class Circle(Shape):
    def __init__(self, cx, cy, r):
        self.cx, self.cy, self.r = cx, cy, r
        self.bbox = (cx - r, cy - r, cx + r, cy + r)

    def sdf(self, x, y):
        return math.hypot(x - self.cx, y - self.cy) - self.r


class Ellipse(Shape):
    def __init__(self, cx, cy, rx, ry):
        self.cx, self.cy, self.rx, self.ry = cx, cy, rx, ry
        self.rmin = min(rx, ry)
        self.bbox = (cx - rx, cy - ry, cx + rx, cy + ry)

    def sdf(self, x, y):
        k = math.hypot((x - self.cx) / self.rx, (y - self.cy) / self.ry)
        return (k - 1.0) * self.rmin


class Ring(Shape):
    def __init__(self, cx, cy, r_in, r_out):
        self.cx, self.cy, self.ri, self.ro = cx, cy, r_in, r_out
        self.bbox = (cx - r_out, cy - r_out, cx + r_out, cy + r_out)

    def sdf(self, x, y):
        d = math.hypot(x - self.cx, y - self.cy)
        return max(d - self.ro, self.ri - d)


class RoundRect(Shape):
    def __init__(self, x0, y0, x1, y1, r):
        self.cx, self.cy = (x0 + x1) / 2, (y0 + y1) / 2
        self.hx, self.hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r
        self.r = r
        self.bbox = (x0, y0, x1, y1)

    def sdf(self, x, y):
        qx = abs(x - self.cx) - self.hx
        qy = abs(y - self.cy) - self.hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - self.r


class Polygon(Shape):
    def __init__(self, pts):
        self.pts = pts
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        self.bbox = (min(xs), min(ys), max(xs), max(ys))

    def sdf(self, x, y):
        pts = self.pts
        n = len(pts)
        best = 1e9
        inside = False
        for i in range(n):
            ax, ay = pts[i]
            bx, by = pts[(i + 1) % n]
            best = min(best, seg_dist(x, y, ax, ay, bx, by))
            if (ay > y) != (by > y):
                xc = ax + (y - ay) * (bx - ax) / (by - ay)
                if x < xc:
                    inside = not inside
        return -best if inside else best


def seg_dist(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy
    if ll == 0.0:
        return math.hypot(px - ax, py - ay)
    t = ((px - ax) * dx + (py - ay) * dy) / ll
    t = 0.0 if t < 0.0 else (1.0 if t > 1.0 else t)
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


class Strokes(Shape):
    """Union of round-capped line segments of a given width."""

    def __init__(self, segments, width):
        self.hw = width / 2.0
        hw = self.hw
        self.segs = [(ax, ay, bx, by,
                      min(ax, bx) - hw, min(ay, by) - hw,
                      max(ax, bx) + hw, max(ay, by) + hw)
                     for (ax, ay, bx, by) in segments]
        self.bbox = (min(s[4] for s in self.segs), min(s[5] for s in self.segs),
                     max(s[6] for s in self.segs), max(s[7] for s in self.segs))

    def near(self, x, y, margin):
        return [s for s in self.segs
                if s[4] - margin <= x <= s[6] + margin and s[5] - margin <= y <= s[7] + margin]

    def sdf(self, x, y, segs=None):
        best = 1e9
        for s in (self.segs if segs is None else segs):
            d = seg_dist(x, y, s[0], s[1], s[2], s[3])
            if d < best:
                best = d
        return best - self.hw


class Union(Shape):
    def __init__(self, *shapes):
        self.shapes = shapes
        self.bbox = (min(s.bbox[0] for s in shapes), min(s.bbox[1] for s in shapes),
                     max(s.bbox[2] for s in shapes), max(s.bbox[3] for s in shapes))

    def sdf(self, x, y):
        return min(s.sdf(x, y) for s in self.shapes)


# ---------------------------------------------------------------------------
# Canvas
# ---------------------------------------------------------------------------

class Canvas:
    def __init__(self, w, h, bg=(0, 0, 0), alpha=1.0):
        self.w, self.h = w, h
        self.px = [[float(bg[0]), float(bg[1]), float(bg[2]), alpha] for _ in range(w * h)]

    def fill(self, shape, color, opacity=1.0):
        x0, y0, x1, y1 = shape.bbox
        ix0 = max(0, int(math.floor(x0)) - 1)
        iy0 = max(0, int(math.floor(y0)) - 1)
        ix1 = min(self.w, int(math.ceil(x1)) + 1)
        iy1 = min(self.h, int(math.ceil(y1)) + 1)
        strokes = isinstance(shape, Strokes)
        for py in range(iy0, iy1):
            for px in range(ix0, ix1):
                cx, cy = px + 0.5, py + 0.5
                if strokes:
                    segs = shape.near(cx, cy, 1.0)
                    if not segs:
                        continue
                    d = shape.sdf(cx, cy, segs)
                else:
                    d = shape.sdf(cx, cy)
                if d > 0.75:
                    continue
                if d < -0.75:
                    cov = 1.0
                else:
                    if strokes:
                        n = sum(1 for ox, oy in OFFSETS
                                if shape.sdf(px + ox, py + oy, segs) <= 0.0)
                    else:
                        n = sum(1 for ox, oy in OFFSETS
                                if shape.sdf(px + ox, py + oy) <= 0.0)
                    if n == 0:
                        continue
                    cov = n / float(len(OFFSETS))
                col = color(cx, cy) if callable(color) else color
                self._blend(py * self.w + px, col, cov * opacity)

    def _blend(self, i, col, a):
        p = self.px[i]
        da = p[3]
        oa = a + da * (1.0 - a)
        if oa <= 0.0:
            return
        for k in range(3):
            p[k] = (col[k] * a + p[k] * da * (1.0 - a)) / oa
        p[3] = oa

    def save_png(self, path, rgba=False):
        rows = []
        for y in range(self.h):
            row = bytearray(b"\x00")
            for x in range(self.w):
                p = self.px[y * self.w + x]
                chans = p if rgba else p[:3]
                if rgba:
                    chans = p[:3] + [p[3] * 255.0]
                for v in chans:
                    row.append(max(0, min(255, int(round(v)))))
            rows.append(bytes(row))
        write_png(path, self.w, self.h, b"".join(rows), 6 if rgba else 2)


def write_png(path, w, h, raw, color_type):
    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    ihdr = struct.pack(">IIBBBBB", w, h, 8, color_type, 0, 0, 0)
    data = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


# ---------------------------------------------------------------------------
# Stroke glyphs.  Units: cap height 10 (y grows downwards, baseline at 10,
# x-height line at 4, descender down to 13).  A glyph is (advance, strokes);
# a stroke is ("L", [points]) or ("A", cx, cy, rx, ry, a0, a1) in degrees,
# angle 0 pointing right and 90 pointing down.
# ---------------------------------------------------------------------------

GLYPHS = {
    "B": (6.6, [("L", [(3.6, 5.0), (0, 5.0), (0, 0), (3.6, 0)]),
                ("A", 3.6, 2.5, 2.5, 2.5, -90, 90),
                ("L", [(3.6, 5.0), (4.0, 5.0)]),
                ("A", 4.0, 7.5, 2.5, 2.5, -90, 90),
                ("L", [(4.0, 10.0), (0, 10.0), (0, 5.0)])]),
    "e": (6.0, [("L", [(0.1, 7.0), (6.0, 7.0)]),
                ("A", 3.0, 7.0, 3.0, 3.0, 0, -310)]),
    "l": (0.0, [("L", [(0, 0), (0, 10)])]),
    "q": (6.0, [("A", 3.0, 7.0, 3.0, 3.0, 0, 360),
                ("L", [(6.0, 4.0), (6.0, 13.0)])]),
    "u": (6.0, [("L", [(0, 4.0), (0, 7.0)]),
                ("A", 3.0, 7.0, 3.0, 3.0, 180, 0),
                ("L", [(6.0, 4.0), (6.0, 10.0)])]),
    "i": (0.0, [("L", [(0, 4.2), (0, 10)]), ("L", [(0, 1.6), (0, 1.6)])]),
    "s": (4.8, [("A", 2.4, 5.5, 2.4, 1.5, -25, -270),
                ("A", 2.4, 8.5, 2.4, 1.5, -90, 155)]),
    "t": (3.8, [("L", [(1.4, 1.2), (1.4, 8.6)]),
                ("A", 2.9, 8.6, 1.5, 1.4, 180, 90),
                ("L", [(2.9, 10.0), (3.8, 10.0)]),
                ("L", [(0, 4.0), (3.6, 4.0)])]),
    "7": (6.0, [("L", [(0, 0), (6.0, 0), (2.2, 10.0)])]),
    "+": (6.0, [("L", [(0, 5.2), (6.0, 5.2)]), ("L", [(3.0, 2.2), (3.0, 8.2)])]),
    "5": (6.0, [("L", [(5.6, 0), (0.8, 0), (0.3, 4.6)]),
                ("A", 2.9, 6.9, 3.0, 3.1, -138, 150)]),
    # question mark without its dot (the dot is drawn as a filled circle)
    "?": (6.0, [("A", 3.0, 3.0, 3.0, 3.0, 180, 405),
                ("L", [(3.0 + 3.0 * math.cos(math.radians(45)),
                        3.0 + 3.0 * math.sin(math.radians(45))),
                       (3.0, 6.4), (3.0, 7.8)])]),
}


def glyph_polylines(ch):
    adv, strokes = GLYPHS[ch]
    lines = []
    for st in strokes:
        if st[0] == "L":
            lines.append(list(st[1]))
        else:
            _, cx, cy, rx, ry, a0, a1 = st
            n = max(6, int(abs(a1 - a0) / 8))
            pts = []
            for k in range(n + 1):
                a = math.radians(a0 + (a1 - a0) * k / n)
                pts.append((cx + rx * math.cos(a), cy + ry * math.sin(a)))
            lines.append(pts)
    return adv, lines


def to_segments(lines, xf):
    segs = []
    for pts in lines:
        tp = [xf(x, y) for (x, y) in pts]
        if len(tp) == 1:
            tp = tp * 2
        for a, b in zip(tp, tp[1:]):
            segs.append((a[0], a[1], b[0], b[1]))
    return segs


def text_segments(text, x, y, scale, gap):
    """Segments for a text string, top-left of the cap box at (x, y)."""
    segs = []
    pen = 0.0
    for ch in text:
        adv, lines = glyph_polylines(ch)
        off = pen
        segs += to_segments(lines, lambda gx, gy, o=off: (x + (gx + o) * scale, y + gy * scale))
        pen += adv + gap
    return segs


def text_width(text, gap):
    return sum(GLYPHS[c][0] for c in text) + gap * (len(text) - 1)
