#!/usr/bin/env bash
# The game's command line, one row per call: the exit status and what goes to standard
# output and standard error. No display is reachable, so a call that opened the window
# system would fail instead of answering.
#
#   command_line_test.sh NARABE VERSION
set -euo pipefail
narabe=$1 version=$2
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

failures=0
# row STATUS STDOUT_PATTERN STDERR_PATTERN ARGS...   (an empty pattern: nothing printed)
row() {
    local want=$1 want_out=$2 want_err=$3 got=0
    shift 3
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$narabe" "$@" >"$out" 2>"$err" || got=$?
    local ok=1
    [ "$got" -eq "$want" ] || ok=0
    if [ -z "$want_out" ]; then [ ! -s "$out" ] || ok=0; else grep -qE "$want_out" "$out" || ok=0; fi
    if [ -z "$want_err" ]; then [ ! -s "$err" ] || ok=0; else grep -qE "$want_err" "$err" || ok=0; fi
    if [ "$ok" -eq 0 ]; then
        echo "FAIL narabe $*: status $got (want $want)"
        sed 's/^/  stdout: /' "$out"
        sed 's/^/  stderr: /' "$err"
        failures=$((failures + 1))
    fi
}

usage='^Usage: narabe \[--help\] \[--version\] \[--lang ja\|en\] \[FILE\.sgf\]$'
row 0 "$usage" '' --help
row 0 "^narabe \(NarabeⅠ\) ${version//./\\.}$" '' --version
row 0 "$usage" '' --bogus --help
row 0 "^narabe " '' -platform offscreen --version
row 2 '' "^narabe: unknown option '--bogus'$" --bogus
row 2 '' "$usage" -h
row 2 '' "^narabe: one game record at a time, not also 'other\.sgf'$" one.sgf other.sgf
row 2 '' "$usage" one.sgf -platform
row 2 '' "$usage" --version=2
row 2 '' "^narabe: unknown option '-platform'$" -platform
row 2 '' "^narabe: unknown option '--bogus'$" -platform offscreen --bogus
row 2 '' "^narabe: --lang takes ja or en, not 'fr'$" --lang fr
row 2 '' "^narabe: --lang takes ja or en, not ''$" --lang
row 2 '' "$usage" --lang=de one.sgf
row 0 "^narabe " '' --lang en --version
[ "$failures" -eq 0 ] && echo "command line ok"
exit $((failures > 0))
