# SPDX-FileCopyrightText: 2026 Korvane developers
#
# SPDX-License-Identifier: MIT

# The Debian packages Korvane needs, in one place: sourced by setup.sh and
# bench/run_benchmarks.sh.

# To build and run the program.
korvane_build_packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-wayland libcanberra-dev libcanberra-pulse sound-theme-freedesktop
  fonts-liberation2 fonts-comic-neue
  # The translations: Qt's tools compile them at build time; Qt's own words
  # in the pupil's language and the faces of their scripts at run time
  # (the package recommends the same faces: packaging/CMakeLists.txt).
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  fonts-wqy-microhei fonts-noto-ui-core fonts-sil-abyssinica fonts-ipaexfont-gothic
)

# Headless window tests and the end-to-end run under a virtual X server with
# a window manager and key auto-repeat (xset). The accessibility check reads
# the running program over AT-SPI; the same run on a headless Wayland
# compositor, with a sound server whose streams show that the chime and the
# bell reach it. The same run under GNOME's and KDE's own compositors,
# headless (KWin with its usual window frame, Breeze). The screen reader test
# plays a run by ear with Orca under metacity. The dark-theme run takes
# GNOME's dark theme through Qt's gtk3 platform theme.
korvane_test_packages=(
  googletest libgtest-dev xvfb xauth xdotool imagemagick x11-utils
  x11-xserver-utils metacity qt6-gtk-platformtheme
  dbus at-spi2-core python3-gi gir1.2-atspi-2.0
  weston pulseaudio pulseaudio-utils
  gnome-shell kwin-wayland kwin-style-breeze
  orca speech-dispatcher python3-speechd
)

# The benchmarks: the program's build, Google Benchmark and a virtual X server.
korvane_bench_packages=(libbenchmark-dev xvfb)

# Installs those of the given packages that are not installed yet.
korvane_install_missing() {
  local missing=() p sudo=""
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  [ "${#missing[@]}" -eq 0 ] && return 0
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}" >&2
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
