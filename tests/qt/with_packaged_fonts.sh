#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Korvane developers
#
# SPDX-License-Identifier: MIT

# Runs a command with fontconfig limited to the font files of the given
# Debian packages, as on a pupil's machine with only the fonts the program's
# package depends on and recommends: whatever else this machine has (Noto,
# DejaVu) is hidden, so a script that none of those packages draws shows up
# as missing glyphs. Fontconfig's own configuration (aliases, language
# preferences) stays as the system has it.
#   with_packaged_fonts.sh "PKG1 PKG2 ..." COMMAND [ARGS...]
set -euo pipefail

packages="$1"
shift
fail() { echo "FAIL: $*" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The packages' font files, linked into one folder, fontconfig's only one.
# A font package may be a transitional one that depends on the package
# holding the files (fonts-liberation2 on Debian 13).
mkdir "$work/fonts"
files=0
for package in $packages; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    fail "$package is not installed (bash setup.sh deps installs it)"
  for owner in $package $(dpkg-query -W -f='${Depends}' "$package" | tr ',|' '\n\n' |
    sed -n 's/^ *\(fonts-[a-z0-9.+-]*\).*/\1/p'); do
    while IFS= read -r file; do
      [ -f "$file" ] || continue
      files=$((files + 1))
      ln -s "$file" "$work/fonts/$files-$(basename "$file")"
    done < <(dpkg -L "$owner" 2>/dev/null | grep -E '\.(ttf|otf|ttc|pfb)$' || true)
  done
done
[ "$files" -gt 0 ] || fail "no font file in: $packages"
cat >"$work/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/conf.d</include>
  <dir>$work/fonts</dir>
  <cachedir>$work/cache</cachedir>
</fontconfig>
CONF

export FONTCONFIG_FILE="$work/fonts.conf"
# Fontconfig must now offer those files and nothing else.
if command -v fc-list >/dev/null; then
  offered="$(fc-list --format '%{file}\n')"
  [ -n "$offered" ] || fail "fontconfig offers no font with $work/fonts.conf"
  stray="$(grep -v -F "$work/fonts/" <<<"$offered" || true)"
  [ -z "$stray" ] || fail "fontconfig still offers files of other packages: $stray"
fi
"$@"
