#!/usr/bin/env bash
# Reads the real program through the accessibility tree, as a screen reader
# would: a virtual X server, a private D-Bus session (which starts the
# accessibility bus and registry on demand) and check_atspi.py.
#   check_atspi.sh PROGRAM [OUTPUT_DIR]
# Exits 77 when a tool it needs is missing, so CTest reports it as skipped.
set -euo pipefail

program="$1"
out="${2:-}"
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
cleanup() {
  stop_virtual_display
  rm -rf "$runtime"
}
trap cleanup EXIT
start_virtual_display 150 199 "$out/xvfb.log"
export XDG_RUNTIME_DIR="$runtime"
export KORVANE_ATSPI_LOG="$out/program.log"
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
# The session and everything it started end with the check.
timeout 120 dbus-run-session -- "$python" "$here/check_atspi.py" "$program" 2> >(grep -v 'fd limit' >&2)
