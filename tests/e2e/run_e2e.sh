#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Korvane developers
#
# SPDX-License-Identifier: MIT

# Starts the real program in a virtual X server, clicks Start and answers
# with the mouse as a pupil would, and checks what the screen shows.
#   run_e2e.sh PROGRAM OUTPUT_DIR
set -euo pipefail

program="$1"
out="$2"
mkdir -p "$out"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"

fail() { echo "FAIL: $*" >&2; exit 1; }

source "$(dirname "$0")/virtual_display.sh"
trap stop_virtual_display EXIT
start_virtual_display 90 140 "$out/xvfb.log"

"$program" >"$out/program.log" 2>&1 &
app=$!

find_window() {  # prints the id of the visible window with this exact title
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true
}

main=""
for _ in $(seq 1 100); do
  main="$(find_window 'Belquist:Korvane')"
  [ -n "$main" ] && break
  sleep 0.1
done
[ -n "$main" ] || fail "the main window did not appear"
sleep 0.5

eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$WIDTH" = 694 ] && [ "$HEIGHT" = 462 ] || fail "main window is ${WIDTH}x${HEIGHT}, not 694x462"
echo "main window: ${WIDTH}x${HEIGHT} at $X,$Y"
wx=$X
wy=$Y

shot() { import -window root "$out/$1.png"; }
# Number of differing pixels in a window-relative region of two shots.
region_diff() {  # shotA shotB x y w h
  local crop="${5}x${6}+$((wx + $3))+$((wy + $4))"
  convert "$out/$1.png" -crop "$crop" +repage "$out/crop-a.png"
  convert "$out/$2.png" -crop "$crop" +repage "$out/crop-b.png"
  compare -metric AE "$out/crop-a.png" "$out/crop-b.png" null: 2>&1 || true
}
click() {  # x y, relative to the main window's client area
  xdotool mousemove --sync $((wx + $1)) $((wy + $2)) click 1
  sleep 0.4
}

shot before
click 604 40          # Start
shot started

cap_diff="$(region_diff before started 184 192 321 89)"
buttons_diff="$(region_diff before started 24 312 641 137)"
echo "changed pixels after Start: problem $cap_diff, answer buttons $buttons_diff"
[ "${cap_diff%%.*}" -gt 50 ] || fail "the problem label did not change after Start"
[ "${buttons_diff%%.*}" -gt 50 ] || fail "the answer buttons did not change after Start"

# Answer until a miss brings up the popup; the right answer moves at random,
# so a few clicks on the middle button are enough.
popup=""
for _ in $(seq 1 30); do
  click 344 380        # but(1)
  popup="$(find_window 'Belquist:MessageBox')"
  [ -n "$popup" ] && break
done
[ -n "$popup" ] || fail "no popup after thirty answers"
sleep 0.3
shot popup
eval "$(xdotool getwindowgeometry --shell "$popup")"
echo "popup: ${WIDTH}x${HEIGHT}"
[ "$WIDTH" = 312 ] && [ "$HEIGHT" = 213 ] || fail "popup is ${WIDTH}x${HEIGHT}, not 312x213"

kill -0 "$app" || fail "the program ended on its own"
echo "end-to-end run passed"
