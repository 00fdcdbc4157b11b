#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Korvane developers
#
# SPDX-License-Identifier: MIT

# Builds the Debian package from a configured build tree, checks it with
# lintian (no error, no warning), installs it with apt as a user would,
# starts the installed program in a virtual X server and checks that its
# window appears.
#   packaging/check_installed.sh BUILD_DIR
set -euo pipefail

build="$(cd "$1" && pwd)"
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB >/dev/null)
deb="$(ls -t "$build"/korvane_*.deb | head -n 1)"
echo "package: $(basename "$deb")"
dpkg-deb -f "$deb" Depends

if ! command -v lintian >/dev/null; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends lintian >/dev/null
fi
# Informational tags are shown but do not fail the check.
lintian --fail-on error,warning --display-info "$deb" || fail "lintian finds errors or warnings in the package"
# The change log's newest entry is the packaged version: a version raised
# without an entry would ship last release's notes as this one's.
newest="$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/korvane/changelog.gz | gzip -dc |
  sed -n '1s/^korvane (\([^)]*\)).*/\1/p')"
[ "$newest" = "$(dpkg-deb -f "$deb" Version)" ] ||
  fail "packaging/changelog's newest entry is '$newest', the package is $(dpkg-deb -f "$deb" Version)"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null

for f in /usr/bin/korvane /usr/share/applications/org.korvane.Korvane.desktop \
         /usr/share/metainfo/org.korvane.Korvane.metainfo.xml \
         /usr/share/icons/hicolor/256x256/apps/korvane.png /usr/share/icons/hicolor/scalable/apps/korvane.svg \
         /usr/share/korvane/chime.wav /usr/share/man/man6/korvane.6.gz /usr/share/doc/korvane/changelog.gz \
         /usr/share/doc/korvane/copyright /usr/share/korvane/translations/korvane_de.qm \
         /usr/share/korvane/translations/korvane_zh_CN.qm; do
  [ -e "$f" ] || fail "$f was not installed"
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate /usr/share/applications/org.korvane.Korvane.desktop
fi
if command -v appstream-util >/dev/null; then
  appstream-util validate-relax --nonet /usr/share/metainfo/org.korvane.Korvane.metainfo.xml
fi

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
source "$(dirname "$0")/../tests/e2e/virtual_display.sh"
trap stop_virtual_display EXIT
start_virtual_display 141 190 /dev/null

# In German, from the installed catalogue.
(cd / && LANGUAGE=de LANG=de_DE.UTF-8 exec korvane) >/dev/null 2>&1 &
app=$!
for _ in $(seq 1 100); do
  if xdotool search --onlyvisible --name '^Belquist:Korvane$' >/dev/null 2>&1; then
    echo "the installed program's window appeared"
    exit 0
  fi
  sleep 0.1
done
fail "the installed program's window did not appear"
