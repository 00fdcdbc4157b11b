#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Korvane developers
#
# SPDX-License-Identifier: MIT

# Reads the real program through the accessibility tree, as a screen reader
# would: a virtual X server, a private D-Bus session (which starts the
# accessibility bus and registry on demand) and check_atspi.py.
#   check_atspi.sh PROGRAM [OUTPUT_DIR] [wayland|gnome|kwin]
# With "wayland" the program runs natively on a headless Wayland compositor
# (weston) instead, as in a Wayland desktop session, next to a sound server
# with a null sink that shows whether the chime and the bell reach it.
# With "gnome" or "kwin" it runs on Wayland under that desktop's own
# compositor, headless (GNOME Shell, KWin), which also tells which window it
# keeps on top when the main window is clicked (desktops.py).
# Exits 77 when a tool it needs is missing, so CTest reports it as skipped.
# KORVANE_DISPLAY_OFFSET shifts the X display numbers it tries and
# KORVANE_SOCKET_PREFIX names its Wayland sockets, for runs side by side.
set -euo pipefail
# The helpers it imports leave no bytecode in the source tree.
export PYTHONDONTWRITEBYTECODE=1

program="$1"
out="${2:-}"
platform="${3:-x11}"
here="$(cd "$(dirname "$0")" && pwd)"

skip() { echo "SKIP: $*"; exit 77; }
command -v Xvfb >/dev/null || skip "Xvfb missing (xvfb)"
command -v dbus-run-session >/dev/null || skip "dbus-run-session missing (dbus)"
[ -e /usr/share/dbus-1/services/org.a11y.Bus.service ] || skip "accessibility bus missing (at-spi2-core)"
# The Python with the Atspi bindings is the system's, which need not be the
# first python3 on the PATH.
python=""
for candidate in /usr/bin/python3 python3; do
  if "$candidate" -c 'import gi; gi.require_version("Atspi", "2.0"); from gi.repository import Atspi' 2>/dev/null; then
    python="$candidate"
    break
  fi
done
[ -n "$python" ] || skip "python3 with the Atspi bindings missing (python3-gi, gir1.2-atspi-2.0)"

runtime="$(mktemp -d)"
chmod 700 "$runtime"
[ -n "$out" ] || out="$runtime"
mkdir -p "$out"

source "$here/../e2e/virtual_display.sh"
weston_pid=""
sound_pid=""
cleanup() {
  # Before stop_virtual_display, which waits for every child.
  for pid in $weston_pid $sound_pid; do kill "$pid" 2>/dev/null || true; done
  stop_virtual_display
  rm -rf "$runtime"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR="$runtime"
export KORVANE_ATSPI_OUT="$out"
if [ "$platform" = gnome ] || [ "$platform" = kwin ]; then
  case "$platform" in
    gnome) command -v gnome-shell >/dev/null || skip "gnome-shell missing (gnome-shell)" ;;
    kwin) command -v kwin_wayland >/dev/null || skip "kwin_wayland missing (kwin-wayland)" ;;
  esac
  # The compositor starts inside the test's D-Bus session, where its
  # interfaces are.
  export KORVANE_DESKTOP="$platform" QT_QPA_PLATFORM=wayland
  if [ "$platform" = kwin ] && [ ! -e /dev/dri ]; then
    # Without a GPU KWin 6 offers no screenshots of its own; nested in an
    # X server, that server's screen is taken instead (desktops.py).
    start_virtual_display 150 199 "$out/xvfb.log"
    export KORVANE_KWIN_X11="$DISPLAY"
  fi
  unset DISPLAY WAYLAND_DISPLAY
elif [ "$platform" = wayland ]; then
  command -v weston >/dev/null || skip "weston missing (weston)"
  socket="${KORVANE_SOCKET_PREFIX:-korvane}-wl-$$"
  weston --backend=headless-backend.so --socket="$socket" --idle-time=0 --no-config >"$out/weston.log" 2>&1 &
  weston_pid=$!
  for _ in $(seq 1 100); do [ -S "$runtime/$socket" ] && break; sleep 0.1; done
  [ -S "$runtime/$socket" ] || { echo "FAIL: weston did not start" >&2; cat "$out/weston.log" >&2; exit 1; }
  export WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland
  unset DISPLAY

  # A sound server of this run only; its clients' and its own state stay in
  # the private folder.
  if command -v pulseaudio >/dev/null && command -v pactl >/dev/null; then
    export HOME="$runtime"
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-module-loading \
      -L module-null-sink -L "module-native-protocol-unix auth-anonymous=1" >"$out/pulseaudio.log" 2>&1 &
    sound_pid=$!
    for _ in $(seq 1 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    if pactl info >/dev/null 2>&1; then
      export KORVANE_CHECK_SOUND=1
    else
      echo "note: the sound server did not start; the sounds are not checked"
    fi
  else
    echo "note: no sound server (pulseaudio, pulseaudio-utils); the sounds are not checked"
  fi
else
  start_virtual_display 150 199 "$out/xvfb.log"
fi
export KORVANE_ATSPI_LOG="$out/program.log"
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
# The session and everything it started end with the check.
timeout 120 dbus-run-session -- "$python" "$here/check_atspi.py" "$program" 2> >(grep -v 'fd limit' >&2)
