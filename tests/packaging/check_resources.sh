#!/bin/sh
# Compiles the game's Windows resources with MinGW's resource compiler and
# reads them back: one icon group with one 32 x 32 24-bit entry, and the
# version record with its Japanese string table and translation list.
# Usage: check_resources.sh <C preprocessor compiler> <grotzel.rc> <scratch folder>
set -eu
windres=x86_64-w64-mingw32-windres
cc=$1 rc=$2 out=$3
mkdir -p "$out"
pp="--preprocessor=$cc --preprocessor-arg=-E --preprocessor-arg=-xc --preprocessor-arg=-DRC_INVOKED"
# shellcheck disable=SC2086
"$windres" $pp -O coff -i "$rc" -o "$out/grotzel_rc.o"
# shellcheck disable=SC2086
"$windres" $pp -O res -i "$rc" -o "$out/grotzel.res"
"$windres" -J res -O rc -i "$out/grotzel.res" > "$out/grotzel_back.rc"

status=0
expect() {
    if ! grep -Eq "$1" "$out/grotzel_back.rc"; then
        echo "missing from the compiled resources: $1" >&2
        status=1
    fi
}
expect '^LANGUAGE 17, 1$'
expect '^1 14 /\* RT_GROUP_ICON'
expect '0, 1, 1,.*Has 1 elements'
expect '"\\040\\040\\000\\000", 1, 24,'
expect '^ *FILEVERSION 1, *0, *0, *0'
expect '^ *PRODUCTVERSION 1, *0, *0, *0'
expect '^ *FILEOS 0x4$'
expect '^ *FILETYPE 0x1$'
expect 'BLOCK "041104[bB]0"'
expect 'VALUE "FileVersion", "1\.00"'
expect 'VALUE "ProductVersion", "1\.00"'
expect 'VALUE "InternalName", "zupi"'
expect 'VALUE "OriginalFilename", "zupi\.exe"'
for name in FileDescription ProductName Comments; do
    expect "VALUE \"$name\", \"Grotzel\""
done
expect 'VALUE "Translation", 0x411, 1200'
exit $status
