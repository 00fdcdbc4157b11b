#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Korvane developers
#
# SPDX-License-Identifier: MIT

# Sets Korvane up on a Debian or Ubuntu machine and then either starts it
# or runs every test headless.
#
#   bash setup.sh run    install what is missing, build, start the program
#   bash setup.sh test   install what is missing, build, run all tests
#   bash setup.sh deps   install what the tests need, and stop
set -euo pipefail

cd "$(dirname "$0")"
mode="${1:-run}"
build_dir="${KORVANE_BUILD_DIR:-build}"

# shellcheck source=packages.sh
source packages.sh
packages=("${korvane_build_packages[@]}")
if [ "$mode" = test ] || [ "$mode" = deps ]; then
  packages+=("${korvane_test_packages[@]}")
fi
korvane_install_missing "${packages[@]}"

[ "$mode" = deps ] && exit 0

testing=OFF
[ "$mode" = test ] && testing=ON
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING="$testing" \
  -DKORVANE_WERROR="$testing"
cmake --build "$build_dir" --parallel "${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}"

case "$mode" in
  run)
    exec "$build_dir/ui/korvane"
    ;;
  test)
    export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
    chmod 700 "$XDG_RUNTIME_DIR"
    ctest --test-dir "$build_dir" --output-on-failure --timeout 600
    ;;
  *)
    echo "usage: bash setup.sh run|test|deps" >&2
    exit 2
    ;;
esac
