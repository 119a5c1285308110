#!/bin/sh
# The program's command line as a user meets it on a terminal, with no
# display at all: --help and --version answer on standard output with
# status 0, anything else gets the usage on standard error and status 2.
# Usage: check_command_line.sh <program> <version>
set -u
program=$1 version=$2
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
status=0

# expect <status> <stdout pattern> <stderr pattern> <argument>...
# An empty pattern means the stream must stay empty.
expect() {
    want=$1 outPattern=$2 errPattern=$3
    shift 3
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$program" "$@" >"$out" 2>"$err"
    got=$?
    problem=""
    [ "$got" -eq "$want" ] || problem="status $got, not $want"
    for stream in out err; do
        eval "file=\$$stream pattern=\$${stream}Pattern"
        if [ -z "$pattern" ]; then
            [ -s "$file" ] && problem="$problem; std$stream not empty"
        else
            grep -Eq "$pattern" "$file" || problem="$problem; std$stream lacks /$pattern/"
        fi
    done
    if [ -n "$problem" ]; then
        echo "grotzel $*: ${problem#; }" >&2
        sed 's/^/  stdout: /' "$out" >&2
        sed 's/^/  stderr: /' "$err" >&2
        status=1
    fi
}

expect 0 '^Usage: grotzel \[--help \| --version\]$' '' --help
expect 0 '^Usage: grotzel ' '' -h
expect 0 "^grotzel $version\$" '' --version
expect 2 '' "unexpected argument '--bogus'" --bogus
expect 2 '' '^Usage: grotzel ' -x
expect 2 '' "unexpected argument 'cave'" cave
expect 2 '' "unexpected argument 'again'" --help again
expect 2 '' "unexpected argument '--help'" --version --help
# Without arguments the game itself starts, and says plainly, in one line,
# that it has no display.
expect 1 '' '^grotzel: cannot open a display'
[ "$(wc -l <"$err")" -eq 1 ] || { echo "grotzel without a display: not one line" >&2; status=1; }
exit $status
