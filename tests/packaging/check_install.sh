#!/bin/sh
# Installs a finished build into a scratch prefix and checks that exactly the
# game's files land there: the program, the sounds it finds through
# <bin>/../share/grotzel, the desktop entry, the AppStream file, the icons in
# every size, and the licence.
# Usage: check_install.sh <cmake> <build folder> <scratch prefix>
set -eu
fail() { echo "$*" >&2; exit 1; }
cmake=$1 build=$2 prefix=$3
rm -rf "$prefix"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
cd "$prefix"

expected=$(LC_ALL=C sort <<'LIST'
bin/grotzel
share/applications/grotzel.desktop
share/doc/grotzel/copyright
share/grotzel/dong.wav
share/grotzel/nirorop.wav
share/grotzel/pororin.wav
share/grotzel/zupiwlk.wav
share/icons/hicolor/128x128/apps/grotzel.png
share/icons/hicolor/256x256/apps/grotzel.png
share/icons/hicolor/32x32/apps/grotzel.png
share/icons/hicolor/64x64/apps/grotzel.png
share/metainfo/io.github.grotzel.Grotzel.metainfo.xml
LIST
)
actual=$(find . -type f | sed 's|^\./||' | LC_ALL=C sort)
if [ "$actual" != "$expected" ]; then
    echo "installed files differ from the expected list (< expected, > installed):" >&2
    printf '%s\n' "$expected" > "$prefix.expected"
    printf '%s\n' "$actual" | diff "$prefix.expected" - >&2 || true
    exit 1
fi
[ -x bin/grotzel ] || fail "bin/grotzel is not executable"

# Each icon holds the size its folder names (PNG: width, height at byte 16).
for size in 32 64 128 256; do
    png=share/icons/hicolor/${size}x${size}/apps/grotzel.png
    dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4, $7*256+$8}')
    [ "$dims" = "$size $size" ] || fail "$png is $dims, not $size"
done

# The names that tie the files together: the entry names the program and
# the icon, and the AppStream file its entry, which validate-tree checks.
for line in Exec=grotzel Icon=grotzel; do
    grep -qx "$line" share/applications/grotzel.desktop || fail "the desktop entry lacks $line"
done
appstreamcli validate-tree --no-net .
