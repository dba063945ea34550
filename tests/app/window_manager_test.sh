#!/usr/bin/env bash
# The real program's window placed on a real X server (Xvfb), first alone, then under a window
# manager, Openbox, whose free area leaves 20 pixels on the left and 30 at the top of the
# screen (as a panel would):
#   - alone, the window's client area is where the game puts it, 4 pixels beyond the screen's
#     top-left corner;
#   - framed, the frame's top edge is the free area's, so that the title bar is whole on the
#     screen, and its left border lies off the free area by its width, at most 4 pixels;
#   - the title bar moves the window when dragged, and its close box ends the game with
#     status 0.
# Skipped (status 77) where Openbox is not installed.
#
#   window_manager_test.sh NARABE ASSET_DIR
set -euo pipefail
narabe=$(realpath "$1") assets=$(realpath "$2")
if ! command -v openbox >/dev/null || [ ! -f /etc/xdg/openbox/rc.xml ]; then
    echo "SKIP: Openbox is not installed (scripts/install-deps installs it)"
    exit 77
fi
source "$(cd "$(dirname "$0")" && pwd)/x_display.sh"
deadline=${DEADLINE:-60} # seconds for each wait

work=$(mktemp -d)
xpid="" wpid="" npid=""
cleanup() {
    [ -n "$npid" ] && kill "$npid" 2>/dev/null || true
    [ -n "$wpid" ] && kill "$wpid" 2>/dev/null || true
    [ -n "$xpid" ] && kill "$xpid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL $*"
    [ -f "$work/narabe.log" ] && cat "$work/narabe.log"
    exit 1
}
cp "$assets"/*.wav "$work"/
cd "$work"
export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
start_xvfb "$work/xvfb.log"

# Polls COMMAND until it succeeds or the deadline passes.
await() {
    local what=$1 end=$((SECONDS + deadline))
    shift
    until "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -lt "$end" ] || fail "waited ${deadline} s for $what"
        sleep 0.1
    done
}

# Starts the game; sets npid and window.
start_game() {
    "$narabe" >>"$work/narabe.log" 2>&1 &
    npid=$!
    window=$(timeout "$deadline" xdotool search --sync --onlyvisible --name 'Narabe' | head -n 1) ||
        fail "no window appeared"
}

# Sets X and Y to the client area's corner on the screen.
client_corner() {
    eval "$(xwininfo -id "$window" |
        sed -n 's/^ *Absolute upper-left \([XY]\): *\(-\{0,1\}[0-9]*\)$/\1=\2/p')"
}

# Sets left, right, top and bottom to the frame's extents; fails while there are none.
frame_extents() {
    local e
    e=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed -n 's/.* = \([0-9, ]*\)$/\1/p' | tr -d ' ')
    [ -n "$e" ] || return 1
    IFS=, read -r left right top bottom <<<"$e"
}

# Whether the frame's top edge is at row $1.
frame_top_at() {
    frame_extents && client_corner && [ $((Y - top)) -eq "$1" ]
}

gone() { ! kill -0 "$npid" 2>/dev/null; }

# Alone on the X server.
start_game
client_corner
[ "$X,$Y" = "-4,-4" ] || fail "without a window manager the client area is at $X,$Y, not -4,-4"
kill "$npid"
await "the game to end" gone
wait "$npid" || true
npid=""

# Under Openbox.
sed -e '/<margins>/,/<\/margins>/{s#<top>[0-9]*</top>#<top>30</top>#;s#<left>[0-9]*</left>#<left>20</left>#}' \
    /etc/xdg/openbox/rc.xml >rc.xml
openbox --sm-disable --config-file "$work/rc.xml" >openbox.log 2>&1 &
wpid=$!
await "Openbox's free area" sh -c "xprop -root _NET_WORKAREA | grep -q '= 20, 30,'"
start_game
frame_top_at 30 || await "the frame's top edge at the free area's" frame_top_at 30
frame_extents
client_corner
frame_left=$((X - left))
hidden=$((left < 4 ? left : 4))
[ "$frame_left" -eq $((20 - hidden)) ] ||
    fail "the frame's left edge is at $frame_left, not $((20 - hidden)) (its border is $left wide)"
echo "frame at $frame_left,$((Y - top)), extents $left, $right, $top, $bottom"

# The title bar, dragged by a point in its middle, moves the window.
width=$(xwininfo -id "$window" | sed -n 's/^ *Width: *//p')
bar_x=$((X + width / 2)) bar_y=$((Y - top / 2))
X0=$X Y0=$Y
xdotool mousemove "$bar_x" "$bar_y" mousedown 1
for step in 1 2 3 4 5; do
    sleep 0.1
    xdotool mousemove $((bar_x + 12 * step)) $((bar_y + 10 * step))
done
xdotool mouseup 1
moved() { client_corner && [ "$X" -ge $((X0 + 30)) ] && [ "$Y" -ge $((Y0 + 25)) ]; }
await "the window to follow its title bar" moved

# The close box: the rightmost of the title bar's square buttons, in the frame.
frame=$(xwininfo -id "$window" -children | sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p')
read -r box_x box_y box_size < <(xwininfo -id "$frame" -tree |
    perl -ne 'print "$3 $4 $1\n" if /\s(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+)/ &&
                   $1 == $2 && $1 > 4 && $1 <= 32' | sort -n | tail -n 1)
[ -n "${box_size:-}" ] || fail "no button in the frame's title bar"
xdotool mousemove $((box_x + box_size / 2)) $((box_y + box_size / 2)) click 1
await "the game to end by its close box" gone
status=0
wait "$npid" || status=$?
npid=""
[ "$status" -eq 0 ] || fail "the close box ended the game with status $status"
echo "window manager ok"
