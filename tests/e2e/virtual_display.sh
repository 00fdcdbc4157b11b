# SPDX-FileCopyrightText: 2026 Korvane developers
#
# SPDX-License-Identifier: MIT

# Sourced by the scripts that run the real program in a virtual X server.
#   start_virtual_display LOW HIGH LOG
# starts Xvfb (1024x768, 24-bit) on the first free display number in
# LOW..HIGH, exports DISPLAY, sets xvfb_pid and waits until the server
# answers. stop_virtual_display (for the caller's EXIT trap) stops the
# program the caller started, its pid in app, and the server.
# KORVANE_DISPLAY_OFFSET (0 unless set) is added to LOW and HIGH: X servers
# share their abstract sockets across roots and containers, so test runs
# side by side on one machine each take a range of their own.
xvfb_pid=""
app=""
stop_virtual_display() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
}

start_virtual_display() {
  local offset="${KORVANE_DISPLAY_OFFSET:-0}"
  local low=$(($1 + offset)) high=$(($2 + offset)) log="$3" n display=""
  for n in $(seq "$low" "$high"); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
  done
  if [ -z "$display" ]; then
    echo "FAIL: no free display in $low..$high" >&2
    return 1
  fi
  # -noreset: an X server resets when its last client leaves, and a client
  # that connects during the reset (a window manager started right after a
  # probe) is turned away.
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >"$log" 2>&1 &
  xvfb_pid=$!
  export DISPLAY="$display"
  for _ in $(seq 1 100); do
    if command -v xdpyinfo >/dev/null; then
      xdpyinfo >/dev/null 2>&1 && return 0
    elif [ -e "/tmp/.X11-unix/X${display#:}" ]; then
      sleep 0.5
      return 0
    fi
    sleep 0.1
  done
  echo "FAIL: the virtual X server on $display did not answer" >&2
  return 1
}
