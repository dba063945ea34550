#!/usr/bin/env bash
# The real program on a real X server (Xvfb) under a window manager (Openbox), at 上級, with a
# game record of eight moves opened: Esc, 終了 and the close box, each made while the computer
# takes its turn (後手 chosen: black, the computer, moves at once) or thinks out a hint (ヒント),
# end the program with status 0 before the turn could have ended: sooner after the command
# that began the thinking than the turn's three pauses alone (0.5, 0.5 and 0.2 s). During the
# turn a BGM command is made before the way out: it waits for the turn and never runs, so the
# settings file keeps BGM=OFF.
# The menus are worked with the keyboard once open, so that every step waits in the program's
# own queue of events for the one before it, however loaded the machine.
# Skipped (status 77) where Openbox is not installed.
#
#   thinking_window_test.sh NARABE SCREEN_CHECK ASSET_DIR
set -euo pipefail
narabe=$(realpath "$1") check=$(realpath "$2") assets=$(realpath "$3")
if ! command -v openbox >/dev/null || [ ! -f /etc/xdg/openbox/rc.xml ]; then
    echo "SKIP: Openbox is not installed (scripts/install-deps installs it)"
    exit 77
fi
source "$(cd "$(dirname "$0")" && pwd)/x_display.sh"
deadline=${DEADLINE:-60} # seconds for each wait
turn_ms=1200             # the pauses of a turn of the computer

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
# No session bus: an address where nothing listens.
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-session-bus
start_xvfb "$work/xvfb.log"
openbox --sm-disable >openbox.log 2>&1 &
wpid=$!
for _ in $(seq $((deadline * 10))); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

# 手順番号表示=OFF, BGM=OFF, 強さ=上級, in Shift-JIS.
printf '\x8e\xe8\x8f\x87\x94\xd4\x8d\x86\x95\x5c\x8e\xa6=OFF\r\nBGM=OFF\r\n\x8b\xad\x82\xb3=\x8f\xe3\x8b\x89\r\n' >settings.ini
printf '(;GM[4];B[il];W[qq];B[jl];W[qo];B[kj];W[qm];B[kk];W[qk])' >record.sgf

# Starts the game on the record and waits for its board on the screen; sets npid, window and
# X, Y, the corner of the window's client area (its menu bar) on the screen.
start_game() {
    cp settings.ini Narabe1.ini
    "$narabe" record.sgf >>narabe.log 2>&1 &
    npid=$!
    window=$(timeout "$deadline" xdotool search --sync --onlyvisible --name 'Narabe' | head -n 1) ||
        fail "no window appeared"
    "$check" "$work/screen.png" "$deadline" >/dev/null || fail "the board was not painted"
    eval "$(xwininfo -id "$window" |
        sed -n 's/^ *Absolute upper-left \([XY]\): *\(-\{0,1\}[0-9]*\)$/\1=\2/p')"
    xdotool windowfocus --sync "$window"
}

# xdotool's commands that open the menu of the menu bar at X + $1 and move down $2 items. The
# pointer stays on the menu's title: off the menu it would take the highlight away.
menu_keys() {
    echo "mousemove $((X + $1)) $((Y + 12)) click 1 key$(printf ' Down%.0s' $(seq "$2"))"
}
TAIKYOKU=20 KYOKUMEN=58 OPTION=150

# xdotool's commands of the ways out.
way_esc() { echo "key Escape"; }
way_quit() { echo "$(menu_keys $TAIKYOKU 4) key Return"; }
way_close() {
    # The close box: the rightmost of the title bar's square buttons, in the frame.
    local frame box_x box_y box_size
    frame=$(xwininfo -id "$window" -children | sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p')
    read -r box_x box_y box_size < <(xwininfo -id "$frame" -tree |
        perl -ne 'print "$3 $4 $1\n" if /\s(\d+)x(\d+)\+-?\d+\+-?\d+\s+\+(-?\d+)\+(-?\d+)/ &&
                       $1 == $2 && $1 > 4 && $1 <= 32' | sort -n | tail -n 1)
    [ -n "${box_size:-}" ] || fail "no button in the frame's title bar"
    echo "mousemove $((box_x + box_size / 2)) $((box_y + box_size / 2)) click 1"
}

now_ms() { echo $(($(date +%s%N) / 1000000)); }

for thinking in turn hint; do
    for way in esc quit close; do
        start_game
        if [ "$thinking" = turn ]; then
            # 対COM, its submenu, 後手; then BGM, held.
            xdotool $(menu_keys $TAIKYOKU 2) key Right Down
            during="$(menu_keys $OPTION 2) key Return"
        else
            xdotool $(menu_keys $KYOKUMEN 5) # ヒント
            during=""
        fi
        out=$("way_$way")
        # The command that begins the thinking, and all that is made during it, at once.
        start=$(now_ms)
        xdotool key Return $during $out
        wait_for_exit "$npid" "$deadline"
        took=$(($(now_ms) - start))
        npid=""
        [ "${status:-}" = 0 ] || fail "$way during a $thinking: exit status '${status:-none}'"
        [ "$took" -lt "$turn_ms" ] ||
            fail "$way during a $thinking: the program ended $took ms after the thinking began"
        if [ "$thinking" = turn ]; then
            cmp -s Narabe1.ini settings.ini || fail "$way during a turn: a held command ran"
        fi
        echo "$way during a $thinking: ended after $took ms"
    done
done
echo "thinking window ok"
