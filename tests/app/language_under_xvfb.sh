#!/usr/bin/env bash
# The window's language under a real X server (Xvfb), one row per locale and command line:
# the language expected, then the environment and the arguments the window is built with.
#
#   language_under_xvfb.sh LANGUAGE_CHECK ASSET_DIR
set -euo pipefail
check=$(realpath "$1") assets=$(realpath "$2")
work=$(mktemp -d)
xpid=""
cleanup() {
    [ -n "$xpid" ] && kill "$xpid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
source "$(cd "$(dirname "$0")" && pwd)/x_display.sh"
cp "$assets"/*.wav "$work"/
cd "$work"
start_xvfb "$work/xvfb.log"

failures=0
# row EXPECTED VARIABLE=VALUE... [-- ARGUMENT...]
row() {
    local expected=$1 vars=()
    shift
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do vars+=("$1"); shift; done
    [ $# -gt 0 ] && shift
    rm -f Narabe1.ini
    if ! env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG ${vars[@]+"${vars[@]}"} \
        DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-session-bus SDL_AUDIODRIVER=dummy \
        QT_QPA_PLATFORM=xcb "$check" "$expected" "$@" >check.log 2>&1; then
        echo "FAIL ${vars[*]} $*:"
        sed 's/^/  /' check.log
        failures=$((failures + 1))
    fi
}

row en LANG=en_US.UTF-8
row en LANG=C.UTF-8 -- --lang en
row en LANG=ja_JP.UTF-8 -- --lang=en
row en LC_ALL=de_DE.UTF-8 LANG=ja_JP.UTF-8
row ja LANG=C.UTF-8
row ja LANG=ja_JP.UTF-8
row ja
row ja LANG=en_US.UTF-8 -- --lang ja
[ "$failures" -eq 0 ] && echo "languages ok"
exit $((failures > 0))
