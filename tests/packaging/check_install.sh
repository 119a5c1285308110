#!/bin/sh
# Installs a finished build into a scratch prefix and checks that exactly the
# game's files land there, where Debian puts a game's: the program in games/,
# the sounds in share/games/grotzel, which the program reaches as
# ../share/games/grotzel; the desktop entry, the AppStream file, the manual
# page and the icons in every size, each naming the others correctly.
# Usage: check_install.sh <cmake> <build folder> <scratch prefix> <drawn icon folder> <sound>...
set -eu
fail() { echo "$*" >&2; exit 1; }
cmake=$1 build=$2 prefix=$3 drawn=$4
shift 4
rm -rf "$prefix"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
cd "$prefix"

svg=share/icons/hicolor/scalable/apps/grotzel.svg
expected=$(LC_ALL=C sort <<LIST
games/grotzel
share/applications/grotzel.desktop
$(printf 'share/games/grotzel/%s\n' "$@")
share/icons/hicolor/128x128/apps/grotzel.png
share/icons/hicolor/256x256/apps/grotzel.png
share/icons/hicolor/32x32/apps/grotzel.png
share/icons/hicolor/64x64/apps/grotzel.png
share/man/man6/grotzel.6
share/metainfo/io.github.grotzel.grotzel.metainfo.xml
$svg
LIST
)
expected=$(printf '%s\n' "$expected" | sed '/^$/d')
actual=$(find . -type f | sed 's|^\./||' | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
    echo "installed files differ from the expected list (< expected, > installed):" >&2
    printf '%s\n' "$expected" > "$prefix.expected"
    printf '%s\n' "$actual" | diff "$prefix.expected" - >&2 || true
    exit 1
fi
[ -x games/grotzel ] || fail "games/grotzel is not executable"
# Qt and the C++ library come from the system: nothing to point a RUNPATH at.
readelf -d games/grotzel | grep -Eq 'RUNPATH|RPATH' && fail "games/grotzel has a RUNPATH"

# Each icon holds the size its folder names (PNG: width, height at byte 16);
# a size drawn for the menu is installed as drawn.
for size in 32 64 128 256; do
    png=share/icons/hicolor/${size}x${size}/apps/grotzel.png
    dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4, $7*256+$8}')
    [ "$dims" = "$size $size" ] || fail "$png is $dims, not $size"
    if [ -f "$drawn/grotzel-$size.png" ]; then
        cmp -s "$drawn/grotzel-$size.png" "$png" || fail "$png is not the drawn icon"
    fi
done
cmp -s "$drawn/grotzel.svg" "$svg" || fail "$svg is not the drawn icon"

# The names that tie the files together: the entry names the program and
# the icon, and the AppStream file its entry, which validate-tree checks.
for line in Exec=grotzel Icon=grotzel; do
    grep -qx "$line" share/applications/grotzel.desktop || fail "the desktop entry lacks $line"
done
grep -q '<binary>grotzel</binary>' share/metainfo/*.metainfo.xml || fail "the AppStream file names no program"
appstreamcli validate-tree --no-net .
