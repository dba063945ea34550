#!/usr/bin/env bash
# Starts the real program in a real X server (Xvfb), checks the board on the screen,
# presses Esc and checks that the program ended and left the default settings file. Then
# starts it again with a game record on its command line and 禁手表示 on, and checks the
# record's stones and marks on the screen.
# Every step waits for what it needs (the server, the window mapped, the board painted, the
# program gone), polling up to a deadline, so that a loaded machine only makes it slower.
#
#   real_window_test.sh NARABE SCREEN_CHECK ASSET_DIR [SCREENSHOT.png]
set -euo pipefail
narabe=$(realpath "$1") check=$(realpath "$2") assets=$(realpath "$3") shot=${4:+$(realpath "$4")}
deadline=60 # seconds for each wait

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

# Polls COMMAND until it succeeds or the deadline passes.
await() {
    local what=$1 end=$((SECONDS + deadline))
    shift
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$end" ] || { echo "FAIL waited ${deadline} s for $what"; return 1; }
        sleep 0.1
    done
}

# Xvfb picks a free display itself and names it on a descriptor once it listens, so that
# tests running side by side never take the same one.
mkfifo displayfd
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>displayfd >xvfb.log 2>&1 &
xpid=$!
read -r -t "$deadline" number <displayfd || { echo "FAIL Xvfb named no display"; cat xvfb.log; exit 1; }
export DISPLAY=:$number
await "the X server" xdotool getmouselocation

# Runs the program with the given arguments until the board on the screen passes the
# screen check with the expectations in $expect, then ends it with Esc. No session bus (an
# address where nothing listens): without one the D-Bus library would start a bus of its
# own, where dbus-x11 is installed, that outlives the test.
run_window() {
    DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-session-bus SDL_AUDIODRIVER=dummy \
        QT_QPA_PLATFORM=xcb "$narabe" "$@" >narabe.log 2>&1 &
    npid=$!
    window=$(timeout "$deadline" xdotool search --sync --onlyvisible --name 'Narabe' | head -n 1) || true
    [ -n "$window" ] || { echo "FAIL no window was mapped"; cat narabe.log; exit 1; }

    # Grabs the screen until the board is painted and passes, or the deadline passes.
    "$check" "$work/screen.png" "$deadline" ${expect[@]+"${expect[@]}"}

    timeout "$deadline" xdotool windowfocus --sync "$window" key Escape
    gone() { ! kill -0 "$npid" 2>/dev/null; }
    await "the program to end after Esc" gone
    status=0
    wait "$npid" || status=$?
    npid=""
    [ "$status" -eq 0 ] || { echo "FAIL exit status $status"; cat narabe.log; exit 1; }
}

expect=()
run_window
[ -n "$shot" ] && cp "$work/screen.png" "$shot"

printf '\x8e\xe8\x8f\x87\x94\xd4\x8d\x86\x95\x5c\x8e\xa6=OFF\r\nBGM=OFF\r\n' >expected.ini
cmp Narabe1.ini expected.ini || { echo "FAIL Narabe1.ini is not the default file"; exit 1; }

# Black's row (9, 12), (10, 12) and column (11, 10), (11, 11) make (11, 12) a double three
# for black, who is to move: its crossing shows the red mark. White's last stone, on
# (17, 11), carries the last-move mark; black's stones are black left of their crossings.
printf '\x8b\xd6\x8e\xe8\x95\x5c\x8e\xa6=ON\r\n' >>expected.ini
cp expected.ini Narabe1.ini
printf '(;GM[4];B[il];W[qq];B[jl];W[qo];B[kj];W[qm];B[kk];W[qk])' >record.sgf
expect=(11,12,0,0=#ff0000 17,11,0,0=#00ffff 9,12,-4,0=#000000 11,11,-4,0=#000000)
run_window "$work/record.sgf"
cmp Narabe1.ini expected.ini || { echo "FAIL Narabe1.ini changed"; exit 1; }
echo "real window ok"
