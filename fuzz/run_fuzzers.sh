#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Korvane developers
#
# SPDX-License-Identifier: MIT

# Builds the libFuzzer targets if needed and runs each one for a bounded
# time over a temporary copy of its seed corpus (fuzz/corpus/<name>/, which
# is never written to). The pupil sessions are fuzzed with the core built
# without AddressSanitizer, for speed; the seeds and every session the run
# found are then replayed once through the build with it (a few seconds).
# Prints the executions run and the coverage reached, and exits non-zero
# when any target crashes, breaks one of its checks, leaks, runs out of
# memory or hangs.
#
#   fuzz/run_fuzzers.sh [seconds per target]      (default 60)
#
# Environment:
#   KORVANE_FUZZ_BUILD_DIR  build directory (default: build-fuzz in the repository)
#   KORVANE_FUZZ_JOBS       parallel build jobs (default: 2)
#   KORVANE_FUZZ_ARTIFACTS  directory to copy crashing inputs and logs into
#                           (for CI to keep); by default they stay in the
#                           temporary directory, whose path is printed
set -euo pipefail

seconds="${1:-60}"
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
  echo "usage: $0 [seconds per target]" >&2
  exit 2
fi

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KORVANE_FUZZ_BUILD_DIR:-$root/build-fuzz}"
jobs="${KORVANE_FUZZ_JOBS:-2}"
targets=(settings_text_fuzz drill_actions_fuzz)
# Targets fuzzed without AddressSanitizer in the core, each replayed through
# <target>_asan, the same target with it.
replayed=(drill_actions_fuzz)

if [ ! -f "$build/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja \
    -DKORVANE_FUZZ=ON -DKORVANE_WITH_QT=OFF -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVANE_WERROR=ON
fi
cmake --build "$build" --parallel "$jobs" --target "${targets[@]}" "${replayed[@]/%/_asan}"

work="$(mktemp -d "${TMPDIR:-/tmp}/korvane-fuzz.XXXXXX")"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

failed=()
summary=()

# Reports a failed run: the target, its directory, its log, and the prefix
# of the inputs libFuzzer wrote there.
report_failure() {
  local target="$1" dir="$2" log="$3" prefix="$4" name="${1%_asan}"
  name="${name%_fuzz}"
  failed+=("$target")
  echo "---- $target failed; end of its log:"
  tail -n 60 "$log"
  for artifact in "$dir/$prefix"crash-* "$dir/$prefix"leak-* "$dir/$prefix"timeout-* "$dir/$prefix"oom-*; do
    [ -e "$artifact" ] || continue
    echo "---- input $(basename "$artifact") (hex):"
    od -An -tx1 -v "$artifact" | tr -s ' \n' ' ' | fold -w 96
    echo
  done
  if [ -n "${KORVANE_FUZZ_ARTIFACTS:-}" ]; then
    mkdir -p "$KORVANE_FUZZ_ARTIFACTS/$name"
    cp "$log" "$KORVANE_FUZZ_ARTIFACTS/$name/"
    find "$dir" -maxdepth 1 \( -name "${prefix}crash-*" -o -name "${prefix}leak-*" -o -name "${prefix}timeout-*" \
      -o -name "${prefix}oom-*" \) -exec cp {} "$KORVANE_FUZZ_ARTIFACTS/$name/" \;
  fi
}

for target in "${targets[@]}"; do
  name="${target%_fuzz}"
  dir="$work/$name"
  mkdir -p "$dir/corpus"
  cp -R "$root/fuzz/corpus/$name/." "$dir/corpus/"
  log="$dir/log"
  echo "== $target: ${seconds} s over $(find "$dir/corpus" -type f | wc -l) seed inputs"
  set +e
  "$build/fuzz/$target" "$dir/corpus" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$dir/" >"$log" 2>&1
  rc=$?
  set -e

  execs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
  last="$(grep -E '^#[0-9]+' "$log" | tail -n 1 || true)"
  cov="$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")"
  ft="$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")"
  line="$target: executions ${execs:-?}, cov: ${cov:-?}, ft: ${ft:-?}, exit $rc"
  summary+=("$line")
  echo "$line"
  if [ "$rc" -ne 0 ]; then
    report_failure "$target" "$dir" "$log" ""
  fi

  [[ " ${replayed[*]} " == *" $target "* ]] || continue
  # The seeds and what the run added to the corpus, each run once (-runs=0
  # runs the corpus and stops) with AddressSanitizer in the core.
  log="$dir/replay.log"
  inputs="$(find "$dir/corpus" -type f | wc -l)"
  echo "== ${target}_asan: replay of $inputs inputs"
  set +e
  "$build/fuzz/${target}_asan" "$dir/corpus" -runs=0 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$dir/replay-" >"$log" 2>&1
  rc=$?
  set -e
  line="${target}_asan: replayed $inputs inputs, exit $rc"
  summary+=("$line")
  echo "$line"
  if [ "$rc" -ne 0 ]; then
    report_failure "${target}_asan" "$dir" "$log" "replay-"
  fi
done

echo "== summary"
printf '%s\n' "${summary[@]}"
if [ "${#failed[@]}" -ne 0 ]; then
  echo "FAILED: ${failed[*]} (inputs and logs in $work)"
  exit 1
fi
rm -rf "$work"
echo "all fuzz targets ran clean"
