#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Korvane developers
#
# SPDX-License-Identifier: MIT

# The real program in GNOME's dark theme as Qt's gtk3 platform theme hands it
# over (GTK_THEME=Adwaita:dark), in a virtual X server under metacity: on
# the screenshots of the three windows every text checked keeps a contrast
# of at least 4.5 : 1 with its ground, the popup's red headline at least
# the contrast it has in the light scheme, the popup and the results
# window have a dark face like the main window, and the problem and the
# answer line stand out from their window as boxes.
#   run_dark_theme.sh PROGRAM OUTPUT_DIR [SCREENSHOT_DIR]
# With SCREENSHOT_DIR the three windows are saved there as
# main-window-dark.png, popup-dark.png and results-dark.png.
# With KORVANE_DARK_BY=portal the dark style comes from GNOME's dark switch
# instead: Adwaita's light theme, and a settings portal on a private session
# bus that answers color-scheme 1 (tests/e2e/fake_portal.py), as GNOME 48's
# does. Qt 6.5 and later report it, and the same checks hold; then the
# switch flips to light and back while the program runs, and the main
# window follows. Qt 6.4 has no such hint: the windows stay light.
# Exits 77 (skipped) when the gtk3 platform theme or an X tool is missing.
set -euo pipefail

program="$1"
out="$2"
shots="${3:-}"
here="$(cd "$(dirname "$0")" && pwd)"
mode="${KORVANE_DARK_BY:-theme}"
mkdir -p "$out"
if [ "$mode" = portal ] && [ -z "${KORVANE_PRIVATE_BUS:-}" ]; then
  command -v dbus-run-session >/dev/null || { echo "SKIP: dbus-run-session is missing" >&2; exit 77; }
  /usr/bin/python3 -c 'import dbus, gi' 2>/dev/null ||
    { echo "SKIP: python3-dbus or python3-gi is missing" >&2; exit 77; }
  exec env KORVANE_PRIVATE_BUS=1 dbus-run-session -- bash "$0" "$@"
fi
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
portal=""
stop_all() {
  [ -n "$wm" ] && kill "$wm" 2>/dev/null || true
  [ -n "$portal" ] && kill "$portal" 2>/dev/null || true
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

if [ "$mode" = portal ]; then
  mkfifo "$out/portal.ready" 2>/dev/null || true
  /usr/bin/python3 "$here/fake_portal.py" 1 >"$out/portal.ready" 2>"$out/portal.log" &
  portal=$!
  read -r -t 10 answer <"$out/portal.ready" && [ "$answer" = ready ] || fail "the settings portal did not start"
  XDG_CURRENT_DESKTOP=GNOME QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita \
    CANBERRA_DRIVER=none "$program" >"$out/program.log" 2>&1 &
else
  QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark CANBERRA_DRIVER=none \
    "$program" >"$out/program.log" 2>&1 &
fi
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
sleep 1
# Idle, the settings enabled: the option buttons' captions.
import -window "$main" "$out/main-window-idle.png"
click "$main" 604 40   # Start
sleep 1.2              # the clock has ticked once
shot "$main" main-window-dark

# The theme is in force: a dark face, on which the desktop's light text
# (the score label's) reads.
face_of() {  # shot: the main window's face
  local measured
  measured="$(python3 "$here/contrast.py" text "$out/$1.png" 680 300 8 8)"
  echo "${measured%% *}"
}
dark_face() {  # colour: whether it is a dark scheme's
  [ "$(python3 "$here/contrast.py" colours "$1" ffffff | cut -d. -f1)" -ge 5 ]
}
face="$(face_of main-window-dark)"
text="$(python3 "$here/contrast.py" text "$out/main-window-dark.png" 536 224 137 57)"
text="$(cut -d' ' -f2 <<<"$text")"
if [ "$mode" = portal ]; then
  qt="$(ldd "$program" | sed -n 's/.*=> \(.*libQt6Core[^ ]*\).*/\1/p')"
  qt="$(readlink -f "$qt" | sed -n 's/.*\.so\.\([0-9.]*\)$/\1/p')"
  echo "Qt $qt, the dark switch on: face $face"
  if [ "$(printf '%s\n' 6.5 "$qt" | sort -V | head -n 1)" != 6.5 ]; then
    dark_face "$face" && fail "Qt $qt has no dark hint, yet the main window turned dark ($face)"
    echo "dark switch run passed: Qt $qt has no dark hint and the windows stay light"
    exit 0
  fi
fi
dark_face "$face" || fail "the main window's face $face is not dark: the dark scheme is not in force"
echo "desktop: face $face, text $text"
# A box of text against the window around it: at least the step of the
# light scheme's white problem box on its face #efefef.
box_step="$(python3 "$here/contrast.py" colours ffffff efefef)"
stands_out() {  # shot what box-x box-y window-x window-y
  local box window ratio
  box="$(python3 "$here/contrast.py" text "$out/$1.png" "$3" "$4" 8 8)"
  window="$(python3 "$here/contrast.py" text "$out/$1.png" "$5" "$6" 8 8)"
  ratio="$(python3 "$here/contrast.py" colours "${box%% *}" "${window%% *}")"
  echo "$2: box ${box%% *} on window ${window%% *}: $ratio : 1 (at least $box_step)"
  python3 -c "import sys; sys.exit(0 if $ratio >= $box_step else 1)" || fail "$2 does not stand out as a box"
}
stands_out main-window-dark "problem box (cap)" 190 196 170 290

reads main-window-dark "problem (cap)" 184 192 321 89 4.5
reads main-window-dark "score" 536 224 137 57 4.5
reads main-window-dark "clock (Timecap)" 536 160 137 41 4.5
reads main-window-dark "label MaxTime" 240 24 57 17 4.5
reads main-window-idle "option button Number, idle" 328 48 44 16 4.5
reads main-window-idle "option button ( + ), idle" 248 112 26 16 4.5

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
stands_out popup-dark "answer-line box (giveanswer)" 18 42 4 60
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

if [ "$mode" = portal ]; then
  # The switch flipped while the program runs: light, then dark again.
  kill -USR2 "$portal"
  sleep 1
  import -window "$main" "$out/main-window-switched-light.png"
  face="$(face_of main-window-switched-light)"
  echo "the dark switch off: face $face"
  dark_face "$face" && fail "the main window stayed dark ($face) when the desktop turned light"
  kill -USR1 "$portal"
  sleep 1
  import -window "$main" "$out/main-window-switched-dark.png"
  face="$(face_of main-window-switched-dark)"
  echo "the dark switch on again: face $face"
  dark_face "$face" || fail "the main window stayed light ($face) when the desktop turned dark"
  reads main-window-switched-dark "problem (cap) after the switch" 184 192 321 89 4.5
fi

kill -0 "$app" || fail "the program ended on its own"
echo "dark $mode run passed"
