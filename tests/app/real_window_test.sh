#!/usr/bin/env bash
# Starts the real program in a real X server (Xvfb), checks the board on the screen,
# presses Esc and checks that the program ended and left the default settings file.
#
#   real_window_test.sh NARABE SCREEN_CHECK ASSET_DIR [SCREENSHOT.png]
set -euo pipefail
narabe=$1 check=$2 assets=$3 shot=${4:-}
source "$(cd "$(dirname "$0")" && pwd)/x_display.sh"

work=$(mktemp -d)
xpid="" npid=""
cleanup() {
    [ -n "$npid" ] && kill "$npid" 2>/dev/null || true
    [ -n "$xpid" ] && kill "$xpid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
cp "$assets"/*.wav "$work"/
cd "$work"

start_xvfb xvfb.log

SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb "$narabe" >narabe.log 2>&1 &
npid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name 'Narabe' | head -n 1)
sleep 1 # let the first paint reach the server

"$check" "$work/screen.png"
[ -n "$shot" ] && cp "$work/screen.png" "$shot"

xdotool windowfocus --sync "$window" key Escape
wait_for_exit "$npid" 10
npid_done=$npid npid=""
[ -n "$status" ] || { echo "FAIL the program did not end after Esc"; kill "$npid_done"; exit 1; }
[ "$status" -eq 0 ] || { echo "FAIL exit status $status"; cat narabe.log; exit 1; }

printf '\x8e\xe8\x8f\x87\x94\xd4\x8d\x86\x95\x5c\x8e\xa6=OFF\r\nBGM=OFF\r\n' >expected.ini
cmp Narabe1.ini expected.ini || { echo "FAIL Narabe1.ini is not the default file"; exit 1; }
echo "real window ok"
