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

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-wayland libcanberra-dev libcanberra-pulse sound-theme-freedesktop
  fonts-liberation2 fonts-comic-neue
  # The translations: Qt's tools compile them at build time; Qt's own words
  # in the pupil's language and the faces of their scripts at run time
  # (the package recommends the same faces: packaging/CMakeLists.txt).
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  fonts-wqy-microhei fonts-noto-ui-core fonts-sil-abyssinica fonts-ipaexfont-gothic
)
if [ "$mode" = test ] || [ "$mode" = deps ]; then
  # Headless window tests and the end-to-end run under a virtual X server
  # with a window manager and key auto-repeat (xset). The accessibility
  # check reads the running program over AT-SPI; the same run on a headless
  # Wayland compositor, with a sound server whose streams show that the
  # chime and the bell reach it. The same run under GNOME's and KDE's own
  # compositors, headless (KWin with its usual window frame, Breeze). The
  # screen reader test plays a run by ear with Orca under metacity. The
  # dark-theme run takes GNOME's dark theme through Qt's gtk3 platform theme.
  packages+=(googletest libgtest-dev xvfb xauth xdotool imagemagick x11-utils
             x11-xserver-utils metacity qt6-gtk-platformtheme
             dbus at-spi2-core python3-gi gir1.2-atspi-2.0
             weston pulseaudio pulseaudio-utils
             gnome-shell kwin-wayland kwin-style-breeze
             orca speech-dispatcher python3-speechd)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
if [ "${#missing[@]}" -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

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
