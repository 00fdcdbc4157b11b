#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Korvane developers
#
# SPDX-License-Identifier: MIT

# Renders the pictures and the program icon from their SVG sources with
# librsvg (Debian: librsvg2-bin). Run it after editing an SVG and commit the
# PNGs with it; building the program needs only the PNGs.
#   bash assets/render.sh
set -euo pipefail
cd "$(dirname "$0")"
command -v rsvg-convert >/dev/null || { echo "rsvg-convert is missing: apt-get install librsvg2-bin" >&2; exit 1; }

# The pictures: 120 px for a 1x screen and 240 px (@2x) for a 2x screen.
# Their ground is opaque, so the PNGs come out as 24-bit RGB.
for svg in pic?.svg; do
  rsvg-convert --width 120 --height 120 --output "${svg%.svg}.png" "$svg"
  rsvg-convert --width 240 --height 240 --output "${svg%.svg}@2x.png" "$svg"
done

# The icon theme's fixed sizes beside the scalable icon itself.
for size in 16 32 48 64 128 256; do
  rsvg-convert --width "$size" --height "$size" --output "icons/hicolor/${size}x${size}/apps/korvane.png" \
    icons/hicolor/scalable/apps/korvane.svg
done
