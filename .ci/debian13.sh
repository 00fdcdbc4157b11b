#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 Korvane developers
#
# SPDX-License-Identifier: MIT

# CI on Debian 13 from a Debian 12 machine: makes a fresh Debian 13 root
# with mmdebstrap from the mirror apt already uses, mounts what the runs
# need (proc, sys, dev, dev/pts, dev/shm and a /tmp of its own), clones
# this repository's HEAD into it, runs the README's test command there and
# builds and installs the Debian package. Whatever happens, the mounts go
# again; the root is removed too, except on CI (CI=true) or with
# KORVANE_KEEP_ROOT set. Run as root.
#
#   .ci/debian13.sh [ROOT]      (default: a fresh folder under /var/tmp)
#
# KORVANE_DISPLAY_OFFSET (default 1000 here) keeps the root's X displays
# apart from the host's: X servers meet on abstract sockets across roots.
# With KORVANE_DEBIAN13_AFTER=FILE it makes the root and installs the
# packages at once, but builds and tests only once FILE exists: CI lets the
# downloads run while the machine builds for Debian 12.
set -euo pipefail
cd "$(dirname "$0")/.."
repo="$(pwd)"

root="${1:-$(mktemp -d /var/tmp/korvane-debian13.XXXXXX)}"
if [ -n "$(ls -A "$root" 2>/dev/null)" ]; then
  echo "FAIL: $root is not empty; a fresh root needs an empty folder" >&2
  exit 1
fi
mounted=()
cleanup() {
  local status=$? i
  # In reverse order; a lazy unmount for whatever a stray process still holds.
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount -R "${mounted[i]}" 2>/dev/null || umount -R -l "${mounted[i]}" || true
  done
  # Removing 3 GB takes minutes; a CI machine is thrown away after the run.
  if [ -z "${KORVANE_KEEP_ROOT:-}" ] && [ "${CI:-}" != true ] && ! grep -q " $root/" /proc/self/mounts; then
    rm -rf --one-file-system "$root"
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The mirror of the host's own apt sources (deb822 or one-line form).
mirror="$(sed -n 's/^URIs:[[:space:]]*\([^[:space:]]*\).*/\1/p' /etc/apt/sources.list.d/*.sources 2>/dev/null |
  grep -v security | head -n 1 || true)"
if [ -z "$mirror" ]; then
  mirror="$(sed -n 's/^deb[[:space:]]\+\(\[[^]]*\][[:space:]]\+\)\?\([^[:space:]]*\).*/\2/p' \
    /etc/apt/sources.list 2>/dev/null | grep -v security | head -n 1 || true)"
fi
mirror="${mirror:-http://deb.debian.org/debian}"

if ! command -v mmdebstrap >/dev/null; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends mmdebstrap
fi

started=$SECONDS
echo "== Debian 13: a fresh root in $root from $mirror"
mmdebstrap --quiet --variant=apt --include=ca-certificates,git,sudo,locales trixie "$root" \
  "deb $mirror trixie main"
echo "   root made in $((SECONDS - started)) s"

bind() {
  local kind="$1" target="$root/$2"
  mkdir -p "$target"
  case "$kind" in
    proc) mount -t proc proc "$target" ;;
    tmpfs) mount -t tmpfs -o mode=1777 tmpfs "$target" ;;
    rbind) mount --rbind "$3" "$target" ;;
    bind) mount --bind "$3" "$target" ;;
  esac
  # Where the host's mounts are shared, nothing mounted below the root may
  # show up on the host, nor its unmounting take the host's away.
  mount --make-rslave "$target"
  mounted+=("$target")
}
bind proc proc
bind rbind sys /sys
bind bind dev /dev
bind bind dev/pts /dev/pts
bind tmpfs dev/shm
bind tmpfs tmp

# A root for one run needs no fsync after every file: dpkg without it
# unpacks faster and leaves the disk to the Debian 12 runs beside it.
echo force-unsafe-io >"$root/etc/dpkg/dpkg.cfg.d/korvane-unsafe-io"

# The program speaks the pupil's language; the German runs need its locale.
sed -i 's/^# *\(en_US.UTF-8\|de_DE.UTF-8\)/\1/' "$root/etc/locale.gen"
chroot "$root" locale-gen >/dev/null

git clone -q "$repo" "$root/root/korvane"

# A clean environment inside: only what the runs are told.
in_root() {
  chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb CI="${CI:-}" \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    KORVANE_DISPLAY_OFFSET="${KORVANE_DISPLAY_OFFSET:-1000}" \
    CMAKE_BUILD_PARALLEL_LEVEL="${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}" \
    bash -c "cd /root/korvane && $1"
}

echo "== Debian 13: the packages the tests need"
in_root "bash setup.sh deps >/dev/null"
echo "   root ready in $((SECONDS - started)) s"
if [ -n "${KORVANE_DEBIAN13_AFTER:-}" ]; then
  while [ ! -e "$KORVANE_DEBIAN13_AFTER" ]; do sleep 2; done
  echo "   (the build starts after $((SECONDS - started)) s)"
  started=$SECONDS
fi

echo "== Debian 13: the README's test command"
status=0
in_root "bash setup.sh test" || status=$?
if [ "$status" -eq 0 ]; then
  echo "== Debian 13: Debian package: build, install with apt, start the installed program"
  in_root "DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
    dpkg-dev file desktop-file-utils appstream-util >/dev/null && bash packaging/check_installed.sh build" ||
    status=$?
fi
release="$(chroot "$root" cat /etc/debian_version)"
if [ "$status" -eq 0 ]; then
  echo "== Debian 13 ($release): tests and package PASSED in $((SECONDS - started)) s"
else
  echo "== Debian 13 ($release): FAILED (exit $status) after $((SECONDS - started)) s"
fi
exit "$status"
