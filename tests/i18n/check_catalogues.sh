#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Korvane developers
#
# SPDX-License-Identifier: MIT

# The catalogues are in step with the code: lupdate, run on copies, finds no
# text the catalogues lack and nothing they hold in vain (it has no check
# mode, so the copies are compared with the originals), and every message
# is finished, with nothing obsolete.
#   tests/i18n/check_catalogues.sh SOURCE_DIR LUPDATE LRELEASE
set -euo pipefail

source_dir="$(cd "$1" && pwd)"
lupdate="$2"
lrelease="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail=0

cd "$source_dir"
cp translations/*.ts "$work/"
mapfile -t sources < <(find engine ui -name '*.cpp' -o -name '*.h' | sort)
# The same options as the update_translations target.
"$lupdate" -silent -locations none -no-obsolete "${sources[@]}" -ts "$work"/*.ts
for ts in translations/*.ts; do
  if ! diff -u "$ts" "$work/$(basename "$ts")"; then
    echo "FAIL: $ts is not what lupdate makes of the code: build the update_translations target" >&2
    fail=1
  fi
  if grep -qE 'type="(unfinished|vanished|obsolete)"' "$ts"; then
    echo "FAIL: $ts has unfinished or obsolete messages:" >&2
    grep -nE 'type="(unfinished|vanished|obsolete)"' "$ts" >&2
    fail=1
  fi
  report="$("$lrelease" "$ts" -qm "$work/check.qm")"
  echo "$report" | grep -E 'Generated|unfinished|Ignored'
  if ! echo "$report" | grep -qE '^ *Generated [0-9]+ translation\(s\) \([0-9]+ finished and 0 unfinished\)'; then
    echo "FAIL: lrelease reports unfinished messages in $ts" >&2
    fail=1
  fi
done
exit "$fail"
