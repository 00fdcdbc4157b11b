#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Korvane developers
#
# SPDX-License-Identifier: MIT

# The real program in GNOME's dark theme as Qt's gtk3 platform theme hands it
# over (GTK_THEME=Adwaita:dark), in a virtual X server under metacity: on
# the screenshots of the three windows every text checked keeps a contrast
# of at least 4.5 : 1 with its ground, the popup's red headline at least
# the contrast it has in the light scheme, and the popup and the results
# window have a dark face like the main window.
#   run_dark_theme.sh PROGRAM OUTPUT_DIR [SCREENSHOT_DIR]
# With SCREENSHOT_DIR the three windows are saved there as
# main-window-dark.png, popup-dark.png and results-dark.png.
# Exits 77 (skipped) when the gtk3 platform theme or an X tool is missing.
set -euo pipefail

program="$1"
out="$2"
shots="${3:-}"
here="$(cd "$(dirname "$0")" && pwd)"
mkdir -p "$out"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"

fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "SKIP: $*" >&2; exit 77; }

for tool in Xvfb metacity xdotool xwininfo xprop import convert python3; do
  command -v "$tool" >/dev/null || skip "$tool is missing"
done
ls /usr/lib/*/qt6/plugins/platformthemes/libqgtk3.so >/dev/null 2>&1 ||
  skip "Qt's gtk3 platform theme (qt6-gtk-platformtheme) is missing"

source "$here/virtual_display.sh"
wm=""
stop_all() {
  [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
  stop_virtual_display
}
trap stop_all EXIT
start_virtual_display "${KORVANE_DISPLAY_LOW:-200}" "${KORVANE_DISPLAY_HIGH:-249}" "$out/xvfb.log"
metacity --replace >"$out/metacity.log" 2>&1 &
wm=$!
for _ in $(seq 1 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done

QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark CANBERRA_DRIVER=none \
  "$program" >"$out/program.log" 2>&1 &
app=$!

find_window() {  # prints the id of the visible window with this exact title
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true
}
wait_window() {
  local id=""
  for _ in $(seq 1 50); do
    id="$(find_window "$1")"
    [ -n "$id" ] && break
    sleep 0.1
  done
  echo "$id"
}
origin() {  # sets X and Y, the window's client area on the screen
  local info
  info="$(xwininfo -id "$1")"
  X="$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")"
  Y="$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")"
}
click() {  # window x y, relative to the window's client area
  origin "$1"
  xdotool mousemove $((X + $2)) $((Y + $3)) click 1
  sleep 0.4
}
shot() {  # window name: the client area
  import -window "$1" "$out/$2.png"
  if [ -n "$shots" ]; then
    mkdir -p "$shots"
    cp "$out/$2.png" "$shots/$2.png"
  fi
}
# Text in a region of a shot must reach the contrast given.
reads() {  # shot what x y w h minimum
  local measured ratio
  measured="$(python3 "$here/contrast.py" text "$out/$1.png" "$3" "$4" "$5" "$6")"
  ratio="${measured##* }"
  echo "$2: ${measured% *} $ratio : 1 (at least $7)"
  python3 -c "import sys; sys.exit(0 if $ratio >= $7 else 1)" || fail "$2 reads at $ratio : 1 only"
}

main="$(wait_window 'Belquist:Korvane')"
[ -n "$main" ] || fail "the main window did not appear"
sleep 0.5
click "$main" 604 40   # Start
sleep 1.2              # the clock has ticked once
shot "$main" main-window-dark

# The theme is in force: a dark face, on which the desktop's light text
# (the score label's) reads.
face="$(python3 "$here/contrast.py" text "$out/main-window-dark.png" 680 300 8 8)"
face="${face%% *}"
text="$(python3 "$here/contrast.py" text "$out/main-window-dark.png" 536 224 137 57)"
text="$(cut -d' ' -f2 <<<"$text")"
[ "$(python3 "$here/contrast.py" colours "$face" ffffff | cut -d. -f1)" -ge 5 ] ||
  fail "the main window's face $face is not dark: the dark theme is not in force"
echo "desktop: face $face, text $text"

reads main-window-dark "problem (cap)" 184 192 321 89 4.5
reads main-window-dark "score" 536 224 137 57 4.5
reads main-window-dark "clock (Timecap)" 536 160 137 41 4.5
reads main-window-dark "label MaxTime" 240 24 57 17 4.5

# Answer until a miss brings up the popup.
popup=""
for _ in $(seq 1 30); do
  click "$main" 344 380   # but(1)
  popup="$(find_window 'Belquist:MessageBox')"
  [ -n "$popup" ] && break
done
[ -n "$popup" ] || fail "no popup after thirty answers"
sleep 0.5
shot "$popup" popup-dark
red="$(python3 "$here/contrast.py" colours ff0000 efefef)"
reads popup-dark "headline, pure red (as on the light face)" 32 8 241 25 "$red"
reads popup-dark "answer line (giveanswer)" 16 40 281 73 4.5
popup_face="$(python3 "$here/contrast.py" text "$out/popup-dark.png" 2 2 10 4)"
popup_face="${popup_face%% *}"
ratio="$(python3 "$here/contrast.py" colours "$popup_face" "$text")"
echo "popup face $popup_face with the desktop's text: $ratio : 1"
python3 -c "import sys; sys.exit(0 if $ratio >= 4.5 else 1)" || fail "the popup's face $popup_face is not the dark scheme's"

click "$popup" 156 164   # OK
click "$main" 604 112    # Pause
click "$main" 352 136    # Results
results="$(wait_window 'ScoreResults')"
[ -n "$results" ] || fail "the results window did not appear"
sleep 0.5
shot "$results" results-dark
reads results-dark "results grid (dt)" 16 0 537 225 4.5
results_face="$(python3 "$here/contrast.py" text "$out/results-dark.png" 2 226 10 4)"
results_face="${results_face%% *}"
ratio="$(python3 "$here/contrast.py" colours "$results_face" "$text")"
echo "results face $results_face with the desktop's text: $ratio : 1"
python3 -c "import sys; sys.exit(0 if $ratio >= 4.5 else 1)" || fail "the results window's face $results_face is not the dark scheme's"

kill -0 "$app" || fail "the program ended on its own"
echo "dark theme run passed"
