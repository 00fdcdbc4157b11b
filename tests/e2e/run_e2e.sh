#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Korvane developers
#
# SPDX-License-Identifier: MIT

# Starts the real program in a virtual X server under a window manager
# (metacity, as on a GNOME-style desktop), clicks Start and answers with the
# mouse and the keyboard (typed numbers too) as a pupil would, and checks
# what the screen shows.
#   run_e2e.sh PROGRAM OUTPUT_DIR
set -euo pipefail

program="$1"
out="$2"
mkdir -p "$out"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"

fail() { echo "FAIL: $*" >&2; exit 1; }

source "$(dirname "$0")/virtual_display.sh"
wm=""
stop_all() {
  [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
  stop_virtual_display
}
trap stop_all EXIT
start_virtual_display "${KORVANE_DISPLAY_LOW:-90}" "${KORVANE_DISPLAY_HIGH:-140}" "$out/xvfb.log"
# A held key repeats, as on a real desktop.
xset r on
xset q | grep -q 'auto repeat:  on' || fail "key auto-repeat is off in the virtual X server"
metacity --replace >"$out/metacity.log" 2>&1 &
wm=$!
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
for _ in $(seq 1 100); do
  wm_running && break
  sleep 0.1
done
wm_running || fail "metacity did not start"

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

# Client size and absolute place of a window (xdotool's own geometry is off
# by the frame under a reparenting window manager).
geometry() {
  local info
  info="$(xwininfo -id "$1")"
  X="$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")"
  Y="$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")"
  WIDTH="$(sed -n 's/.*Width: *//p' <<<"$info")"
  HEIGHT="$(sed -n 's/.*Height: *//p' <<<"$info")"
}
geometry "$main"
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
position() {  # of a window (decimal id) in the window manager's stacking order, bottom first
  xprop -root _NET_CLIENT_LIST_STACKING | tr -s ', ' '\n' | grep -n -i "^$(printf '0x%x' "$1")\$" | cut -d: -f1
}
click() {  # x y, relative to the main window's client area
  # No --sync: it waits for the pointer to move, for ever when it is
  # already there; the server takes the move before the click all the same.
  xdotool mousemove $((wx + $1)) $((wy + $2)) click 1
  sleep 0.4
}

# A short answer time, typed into TimeLimit: the answer clock runs 4 s.
click 400 98
xdotool key --delay 50 ctrl+a 2
sleep 0.3

shot before
click 604 40          # Start
shot started

cap_diff="$(region_diff before started 184 192 321 89)"
buttons_diff="$(region_diff before started 24 312 641 137)"
echo "changed pixels after Start: problem $cap_diff, answer buttons $buttons_diff"
[ "${cap_diff%%.*}" -gt 50 ] || fail "the problem label did not change after Start"
[ "${buttons_diff%%.*}" -gt 50 ] || fail "the answer buttons did not change after Start"

# Holds KEY down for 3 s with TimeLimit 2 and waits for the time-out popup,
# which sets `timeout`. One press gives it about 4 s after the key went
# down; repeats that press again push it past 5.5 s; no press at all brings
# it 3 s after the key went down, when the problem already shown times out.
hold_until_timeout() {
  local key="$1" repeated="$2" none="$3" down took
  down=$(date +%s%N)
  xdotool keydown "$key"
  sleep 3
  xdotool keyup "$key"
  timeout=""
  while [ $(( ($(date +%s%N) - down) / 1000000 )) -lt 5500 ]; do
    timeout="$(find_window 'Belquist:MessageBox')"
    [ -n "$timeout" ] && break
    sleep 0.1
  done
  [ -n "$timeout" ] || fail "no time-out 5.5 s after $key went down: $repeated"
  took=$(( ($(date +%s%N) - down) / 1000000 ))
  echo "time-out after holding $key: $took ms after the key went down"
  [ "$took" -ge 3500 ] || fail "the time-out came $took ms after $key went down: $none"
}

# Return held on the focused Start for 3 s presses it once: the problem
# then shown times out 4 s after the key went down. Were every repeat a
# press, each would show a new problem and the time-out would come only
# 4 s after the key came up; were there no press, the problem shown by the
# click would time out 3 s after the key went down.
sleep 1
hold_until_timeout Return "a held Return pressed Start again and again" "Return did not press Start"
sleep 0.3
# The time-out popup blocks the main window, so it stays in front of it.
xdotool windowactivate "$main" 2>/dev/null || true
sleep 0.5
[ "$(position "$timeout")" -gt "$(position "$main")" ] || fail "the main window came in front of the time-out popup"
geometry "$timeout"
xdotool mousemove $((X + 156)) $((Y + 164)) click 1   # OK
sleep 0.5
[ -z "$(find_window 'Belquist:MessageBox')" ] || fail "OK did not close the time-out popup"
# The usual answer time again for the rest: Pause, TimeLimit 5, Start.
click 604 112
click 400 98
xdotool key --delay 50 ctrl+a 5
click 604 40

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
geometry "$popup"
echo "popup: ${WIDTH}x${HEIGHT}"
[ "$WIDTH" = 312 ] && [ "$HEIGHT" = 213 ] || fail "popup is ${WIDTH}x${HEIGHT}, not 312x213"

# The modeless popup is a window of its own: activating the main window
# brings that in front of it, and it can be minimised like any window.
xdotool windowactivate --sync "$main"
sleep 0.5
shot raised
main_at="$(position "$main")"
popup_at="$(position "$popup")"
echo "stacking (bottom to top): main window at $main_at, popup at $popup_at"
[ -n "$main_at" ] && [ -n "$popup_at" ] || fail "main window or popup missing from the window manager's stacking list"
[ "$main_at" -gt "$popup_at" ] || fail "the activated main window stays behind the modeless popup"
xprop -id "$popup" _NET_WM_ALLOWED_ACTIONS | grep -q MINIMIZE || fail "the popup cannot be minimised"

# ---- Answers typed on the keyboard ----
# One fact only, 10 - 9 = 1: the wrong answers are drawn from 0 to 9 and are
# never 1, so the key 1 types the right answer and any other digit on a
# button a wrong one. The picture beside the problem tells which was booked.
assets="$(cd "$(dirname "$0")/../../assets" && pwd)"
picture_is() {  # shot asset: the picture beside the problem is this one
  convert "$out/$1.png" -crop "120x120+$((wx + 24))+$((wy + 168))" +repage "$out/crop-pic.png"
  [ "$(compare -metric AE "$out/crop-pic.png" "$assets/$2" null: 2>&1 || true)" = 0 ]
}
active_is() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
xdotool windowactivate --sync "$popup"
sleep 0.3
geometry "$popup"
xdotool mousemove $((X + 156)) $((Y + 164)) click 1   # OK
sleep 0.4
[ -z "$(find_window 'Belquist:MessageBox')" ] || fail "OK did not close the popup of the miss"
click 604 112         # Pause
click 456 136         # Reset
click 245 136         # ( - )
click 156 120         # Unselect
click 128 92          # 9
click 400 66          # Right: 9 right answers before the fact leaves play
xdotool key --delay 50 ctrl+a 9
click 604 40          # Start
xdotool key 1
sleep 0.5
shot typed-right
[ -z "$(find_window 'Belquist:MessageBox')" ] || fail "typing the right answer brought up the popup of a miss"
picture_is typed-right pic2.png || fail "typing the right answer did not show the smiling face"

popup=""
for digit in 0 2 3 4 5 6 7 8 9; do
  xdotool key "$digit"
  sleep 0.4
  popup="$(find_window 'Belquist:MessageBox')"
  [ -n "$popup" ] && break
done
[ -n "$popup" ] || fail "no digit typed answered wrong"
shot typed-wrong
echo "the typed wrong answer was $digit"
picture_is typed-wrong pic3.png || fail "typing a wrong answer did not show the surprised face"

# The popup of the miss has the focus; a digit typed there answers the drill,
# and Enter there still presses OK.
for _ in $(seq 1 20); do
  active_is "$popup" && break
  sleep 0.1
done
active_is "$popup" || fail "the popup of the miss did not take the focus"
xdotool key 1
sleep 0.5
shot typed-on-popup
picture_is typed-on-popup pic2.png || fail "the right answer typed while the popup had the focus was not booked right"
[ "$(find_window 'Belquist:MessageBox')" = "$popup" ] || fail "typing on the popup closed it"
xdotool key Return
sleep 0.5
[ -z "$(find_window 'Belquist:MessageBox')" ] || fail "Return on the popup's OK did not close it"

# 1 held for 3 s answers once: with a 4 s answer time the next problem then
# times out 4 s after the key went down. Were every repeat typed, each
# would answer again, and the time-out would come late or never; were
# nothing typed, the problem shown by Start would time out 3 s after it.
click 604 112         # Pause
click 400 98
xdotool key --delay 50 ctrl+a 2
click 604 40          # Start
sleep 1
hold_until_timeout 1 "a held digit answered again and again" "the digit answered nothing"
geometry "$timeout"
xdotool mousemove $((X + 156)) $((Y + 164)) click 1   # OK
sleep 0.5

kill -0 "$app" || fail "the program ended on its own"
echo "end-to-end run passed"
