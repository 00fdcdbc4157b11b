#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Korvane developers
#
# SPDX-License-Identifier: MIT

# Builds the benchmarks (optimised, in build-bench), runs them all under a
# virtual X server of their own and prints one markdown table with the date
# and the machine. Nothing here passes or fails: it measures and prints.
#
#   bash bench/run_benchmarks.sh [--runs N] [--quiet-wait SECONDS]
#
#   --runs N             launches of the program and of the floor (20)
#   --quiet-wait SECONDS wait up to this long for the one-minute load
#                        average to fall below 1.0 before measuring (120);
#                        the table says what the load was either way
#
# Takes about four minutes after the build: the two one-minute windows
# (idle CPU, the run clock) run side by side with the 20 time-outs.
# Logs and the table (table.md) are kept in build-bench/bench-logs.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-bench"
runs=20
quiet_wait=120
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs="$2"; shift 2 ;;
    --quiet-wait) quiet_wait="$2"; shift 2 ;;
    *) echo "usage: bash bench/run_benchmarks.sh [--runs N] [--quiet-wait SECONDS]" >&2; exit 2 ;;
  esac
done

say() { echo "== $*" >&2; }

# ---- what the build and the runs need --------------------------------------
# shellcheck source=../packages.sh
source "$root/packages.sh"
korvane_install_missing "${korvane_build_packages[@]}" "${korvane_bench_packages[@]}"

# ---- build -----------------------------------------------------------------
logs="$build/bench-logs"
mkdir -p "$logs"
say "building in $build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORVANE_BENCH=ON -DKORVANE_WITH_QT=ON \
  -DBUILD_TESTING=OFF >"$logs/configure.log" 2>&1 \
  || { cat "$logs/configure.log" >&2; exit 1; }
ninja -C "$build" -j2 korvane korvane_floor korvane_floor_probe korvane_startup_probe korvane_ui_probe \
  korvane_core_bench korvane_launch >"$logs/build.log" 2>&1 \
  || { tail -n 60 "$logs/build.log" >&2; exit 1; }

bin="$build/bench"
program="$build/ui/korvane"

# ---- a quiet machine --------------------------------------------------------
load() { cut -d' ' -f1 /proc/loadavg; }
busy() { awk -v l="$(load)" 'BEGIN { exit !(l >= 1.0) }'; }
waited=0
while busy && [ "$waited" -lt "$quiet_wait" ]; do
  [ "$waited" -eq 0 ] && say "waiting for the load average ($(load)) to fall below 1.0"
  sleep 10
  waited=$((waited + 10))
done
load_before="$(load)"

# ---- a virtual X server of our own ------------------------------------------
display=""
for n in $(seq 150 250); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free X display" >&2; exit 1; }
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >"$logs/xvfb.log" 2>&1 &
xvfb=$!
runtime="$(mktemp -d)"
chmod 700 "$runtime"
children=()
cleanup() {
  for c in "${children[@]}"; do kill "$c" 2>/dev/null || true; done
  kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$runtime"
}
trap cleanup EXIT
for _ in $(seq 1 100); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
export DISPLAY="$display" XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb

rows="$logs/rows"
rm -rf "$rows"
mkdir -p "$rows"

# ---- measurements -----------------------------------------------------------
say "toolkit-free handlers (Google Benchmark)"
"$bin/korvane_core_bench" --benchmark_color=false >"$rows/3-handlers" 2>"$logs/core_bench.log"

say "start-up: $runs launches each of the program and the floor"
"$bin/korvane_launch" startup "$runs" 2000 "$bin/korvane_floor_probe" "$bin/korvane_startup_probe" \
  >"$rows/1-startup" 2>"$logs/startup.log"

say "answer clicks through the real window"
"$bin/korvane_ui_probe" latency >"$rows/2-latency" 2>"$logs/latency.log"

say "one minute: idle CPU, the run clock, 20 time-outs (side by side)"
"$bin/korvane_launch" idle "after start-up, Korvane" 60 0.1 2000 "$program" \
  >"$rows/5-idle-a" 2>"$logs/idle-program.log" &
children+=($!)
"$bin/korvane_launch" idle "after start-up, floor" 60 - 2000 "$bin/korvane_floor" \
  >"$rows/5-idle-b" 2>"$logs/idle-floor.log" &
children+=($!)
"$bin/korvane_launch" idle "a problem on display, Korvane" 60 0.1 line:started "$bin/korvane_ui_probe" minute \
  >"$rows/4-clock-b" 2>"$logs/minute.log" &
children+=($!)
"$bin/korvane_ui_probe" timeouts >"$rows/4-clock-a" 2>"$logs/timeouts.log" &
children+=($!)
for c in "${children[@]}"; do wait "$c"; done
children=()
load_after="$(load)"

# ---- the table --------------------------------------------------------------
qt_version="$( (qtpaths6 --qt-version || /usr/lib/qt6/bin/qtpaths --qt-version) 2>/dev/null \
  || dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)"
cpu_model="$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
os="$(. /etc/os-release && echo "$PRETTY_NAME")"
{
  echo "Measured $(date -u '+%Y-%m-%d %H:%M UTC') on $(nproc) cores of $cpu_model, $os, Qt $qt_version;"
  echo "Xvfb 1024x768x24, Release build; load average $load_before before measuring, $load_after after."
  echo
  echo "| What | n | min | median | max | target | result |"
  echo "|---|---:|---:|---:|---:|---|---|"
  # Idle CPU rows go last; the minute's clock rows come with them.
  cat "$rows"/1-* "$rows"/2-* "$rows"/3-* "$rows"/4-clock-a
  grep -h '^| Clock' "$rows"/4-clock-b || true
  cat "$rows"/5-*
  grep -h '^| Idle' "$rows"/4-clock-b || true
} >"$logs/table.md"
cat "$logs/table.md"
