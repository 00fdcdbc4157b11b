#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Korvane developers
#
# SPDX-License-Identifier: MIT

"""Synthesise the answer chime, chime.wav: a small bell, 0.63 s, mono,
8-bit unsigned PCM at 11025 Hz, 6960 samples. Deterministic: running it
again leaves the file unchanged.

Usage:  python3 assets/make_chime.py
"""

import math
import os
import wave

RATE = 11025
SAMPLES = 6960
F0 = 1046.5
# (frequency ratio, amplitude, decay time in seconds)
PARTIALS = [(0.5, 0.22, 0.30), (1.0, 1.0, 0.20), (2.0, 0.30, 0.12), (2.76, 0.35, 0.09), (4.07, 0.14, 0.06)]
ATTACK = 0.006
FADE = 0.06


def sample(i):
    t = i / float(RATE)
    v = sum(amp * math.exp(-t / tau) * math.sin(2.0 * math.pi * F0 * ratio * t) for ratio, amp, tau in PARTIALS)
    if t < ATTACK:
        v *= 0.5 - 0.5 * math.cos(math.pi * t / ATTACK)
    tail = (SAMPLES - 1 - i) / float(RATE)
    if tail < FADE:
        v *= tail / FADE
    return v


def main():
    raw = [sample(i) for i in range(SAMPLES)]
    peak = max(abs(v) for v in raw)
    data = bytes(max(0, min(255, 128 + int(round(v / peak * 0.85 * 127.0)))) for v in raw)
    with wave.open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "chime.wav"), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(1)
        w.setframerate(RATE)
        w.writeframes(data)


if __name__ == "__main__":
    main()
