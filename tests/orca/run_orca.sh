#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Korvane developers
#
# SPDX-License-Identifier: MIT

# Plays a run by ear with the real screen reader: a virtual X server with a
# window manager, a private D-Bus session, speech-dispatcher with its dummy
# output (no synthesiser, no sound card) and Orca writing every utterance to
# its debug log; play_by_ear.py presses the keys and checks what was said.
#   run_orca.sh PROGRAM [OUTPUT_DIR]
# Exits 77 when a tool it needs is missing, so CTest reports it as skipped.
set -euo pipefail
# The player's helpers leave no bytecode in the source tree.
export PYTHONDONTWRITEBYTECODE=1

program="$1"
out="${2:-}"
here="$(cd "$(dirname "$0")" && pwd)"

skip() { echo "SKIP: $*"; exit 77; }
for tool in Xvfb xdotool metacity dbus-run-session orca speech-dispatcher; do
  command -v "$tool" >/dev/null || skip "$tool missing"
done
[ -x /usr/lib/speech-dispatcher-modules/sd_dummy ] || skip "speech-dispatcher's dummy module missing"
# Orca runs on the system's Python; so does the player, which needs nothing
# beyond the standard library.
/usr/bin/python3 -c 'import speechd' 2>/dev/null || skip "python3-speechd missing"

work="$(mktemp -d)"
[ -n "$out" ] || out="$work/out"
mkdir -p "$out"
# Orca and speech-dispatcher keep settings and sockets under HOME and the
# XDG folders: private ones, so nothing of the machine's leaks in or out.
export HOME="$work/home" XDG_RUNTIME_DIR="$work/run" XDG_CONFIG_HOME="$work/config" \
       XDG_CACHE_HOME="$work/cache" XDG_DATA_HOME="$work/data"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME/speech-dispatcher" "$XDG_CACHE_HOME" "$XDG_DATA_HOME"
chmod 700 "$XDG_RUNTIME_DIR"
# The dummy module only needs an audio output that always opens: libao's
# null driver.
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<CONF
AddModule "dummy" "sd_dummy" ""
DefaultModule dummy
AudioOutputMethod "libao"
LogDir "$out"
LogLevel 3
CONF
echo "default_driver=null" >"$HOME/.libao"

source "$here/../e2e/virtual_display.sh"
cleanup() {
  # speech-dispatcher detaches from the session that started it.
  local pidfile
  for pidfile in "$XDG_RUNTIME_DIR"/speech-dispatcher/pid/*.pid; do
    [ -e "$pidfile" ] && kill "$(cat "$pidfile")" 2>/dev/null || true
  done
  stop_virtual_display
  rm -rf "$work"
}
trap cleanup EXIT
start_virtual_display 250 299 "$out/xvfb.log"
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
timeout 480 dbus-run-session -- /usr/bin/python3 "$here/play_by_ear.py" "$program" "$out" \
  2> >(grep -v 'fd limit\|Activating service\|Successfully activated' >&2)
