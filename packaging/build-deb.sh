#!/bin/sh
# Builds the Debian package the Debian way, dpkg-buildpackage -b -us -uc,
# in a fresh copy of the source tree, so that the build leaves nothing in the
# tree and everything it makes (.deb, -dbgsym .deb, .buildinfo, .changes)
# lands in one folder, the same bytes whenever and wherever it is built.
# Usage: build-deb.sh <source tree> <output folder> [--with-source]
# --with-source builds the source package too, for lintian to check.
set -eu
what=-b
[ "${3:-}" = --with-source ] && what=""
src=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
version=$(dpkg-parsechangelog -l "$src/debian/changelog" -S Version)
tree="$out/grotzel-$version"
rm -rf "$tree"
mkdir "$tree"
# Build folders and version control stay behind.
(cd "$src" && tar --exclude-vcs --exclude='./build*' --exclude='./obj-*' \
    --exclude='./.cache' -cf - .) | tar -xf - -C "$tree"
# Every file dated to the changelog entry: a checkout's dates tell when it
# was made, not what it holds, and the package keeps those of its files
# that are older than the entry (the icons, the copyright file).
find "$tree" -exec touch -h -d "@$(dpkg-parsechangelog -l "$src/debian/changelog" -S Timestamp)" {} +
cd "$tree"
# shellcheck disable=SC2086
dpkg-buildpackage $what -us -uc
rm -rf "$tree"
ls "$out"/grotzel_"$version"_*.deb
