#!/bin/sh
# Builds the Debian package from the source tree in a scratch folder, as
# `make package` does, and checks it as a packager would: lintian with every
# tag shown must find no error and no warning; unpacked, the program, its
# sounds, icons, menu entry, AppStream file and manual page lie where
# Debian's policy for games puts them and name each other; the program
# answers --version without a display; it recommends Qt's Wayland plugin;
# no path of the build machine and no time later than the changelog's is in
# the package, and a second build from elsewhere gives the same bytes.
# Usage: check_debian_package.sh <source tree> <scratch folder> <version> <sound>...
set -u
src=$(cd "$1" && pwd) scratch=$2 version=$3
shift 3
sounds=$(printf 'usr/share/games/grotzel/%s ' "$@")
status=0
fail() { echo "$*" >&2; status=1; }

rm -rf "$scratch"
mkdir -p "$scratch"
scratch=$(cd "$scratch" && pwd)
DEB_BUILD_OPTIONS="parallel=$(nproc)" "$src/packaging/build-deb.sh" "$src" "$scratch" --with-source \
    >"$scratch/build.log" 2>&1 || { tail -40 "$scratch/build.log" >&2; exit 1; }
arch=$(dpkg --print-architecture)
deb="$scratch/grotzel_${version}_$arch.deb"
[ -f "$deb" ] || { echo "no $deb" >&2; exit 1; }
# A Wayland desktop runs the game natively only with Qt's Wayland plugin.
dpkg-deb -f "$deb" Recommends | grep -q 'qt6-wayland' || fail "the package does not recommend qt6-wayland"

# Source and binaries, every tag shown. Errors and warnings fail, and so do
# the hardening tags, which this lintian only reports as information.
lintian -EvIL +pedantic --color never "$scratch/grotzel_${version}_$arch.changes" 2>&1 |
    grep -v '^running with root privileges' >"$scratch/lintian.log"
cat "$scratch/lintian.log"
grep -E '^[EW]: |hardening-' "$scratch/lintian.log" >&2 && fail "lintian reports errors, warnings or missing hardening"

root="$scratch/root"
dpkg -x "$deb" "$root"
cd "$root"
# shellcheck disable=SC2086
for file in usr/games/grotzel $sounds \
            usr/share/applications/grotzel.desktop \
            usr/share/metainfo/io.github.grotzel.grotzel.metainfo.xml \
            usr/share/man/man6/grotzel.6.gz \
            usr/share/doc/grotzel/copyright usr/share/doc/grotzel/changelog.gz; do
    [ -f "$file" ] || fail "the package lacks /$file"
done
for size in 32x32 64x64 128x128 256x256; do
    [ -f "usr/share/icons/hicolor/$size/apps/grotzel.png" ] || fail "the package lacks the $size icon"
done
[ -f usr/share/icons/hicolor/scalable/apps/grotzel.svg ] || fail "the package lacks the scalable icon"
stray=$(find . -type f | grep -Ev '^\./usr/(games/grotzel|share/(games/grotzel|applications|metainfo|man/man6|doc/grotzel|icons/hicolor)/)')
[ -z "$stray" ] || fail "files outside the game's places: $stray"

# The menu entry starts the program by a name found in /usr/games, with the
# icon the hicolor folders hold; the AppStream file launches that entry.
grep -qx 'Exec=grotzel' usr/share/applications/grotzel.desktop || fail "the menu entry does not run grotzel"
grep -qx 'Icon=grotzel' usr/share/applications/grotzel.desktop || fail "the menu entry has no grotzel icon"
grep -q '<launchable type="desktop-id">grotzel.desktop</launchable>' usr/share/metainfo/*.xml ||
    fail "the AppStream file does not launch grotzel.desktop"
appstreamcli validate-tree --no-net "$root" >&2 || fail "appstreamcli rejects the unpacked tree"
rendered=$(MANWIDTH=80 man -l usr/share/man/man6/grotzel.6.gz 2>&1)
printf '%s\n' "$rendered" | grep -q 'grotzel - guide Zupi through a dark cave' || fail "man page: $rendered"

answer=$(env -u DISPLAY -u WAYLAND_DISPLAY timeout 10 usr/games/grotzel --version)
[ "$answer" = "grotzel $version" ] || fail "--version says '$answer'"

# Reproducible: neither the source tree nor the build folder is named in
# the program, it has no RUNPATH and binds all symbols at start (full
# RELRO); every file is dated no later than the changelog entry.
for path in "$src" "$scratch"; do
    strings -a usr/games/grotzel | grep -F "$path" >&2 && fail "the program names $path"
done
readelf -d usr/games/grotzel | grep -Eq 'RUNPATH|RPATH' && fail "the program has a RUNPATH"
readelf -d usr/games/grotzel | grep -Eq 'FLAGS.*BIND_NOW' || fail "the program does not bind now"
epoch=$(date -d "$(dpkg-parsechangelog -l "$src/debian/changelog" -S Date)" +%s)
late=$(find . -newermt "@$epoch" | head -3)
[ -z "$late" ] || fail "files dated after the changelog entry: $late"

# And the same bytes again: the tree copied to another folder, its files
# dated otherwise (earlier, so make sees no clock skew), built under another
# umask and time zone, makes the same packages, the debug symbols too.
again="$scratch/again/from/elsewhere"
mkdir -p "$again/tree"
(cd "$src" && tar --exclude-vcs --exclude='./build*' --exclude='./obj-*' \
    --exclude='./.cache' -cf - .) | tar -xf - -C "$again/tree"
find "$again/tree" -exec touch -h -d '2020-02-02 02:02 UTC' {} +
(umask 077 && TZ=Asia/Tokyo DEB_BUILD_OPTIONS="parallel=$(nproc)" \
    "$again/tree/packaging/build-deb.sh" "$again/tree" "$again/out") \
    >"$scratch/build-again.log" 2>&1 || { tail -40 "$scratch/build-again.log" >&2; exit 1; }
for first in "$scratch"/*.deb; do
    cmp -s "$first" "$again/out/${first##*/}" ||
        fail "a second build makes another ${first##*/}"
done
exit $status
