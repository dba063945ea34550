#!/usr/bin/env bash
# The installed game: `cmake --install` into a new prefix, then the installed program run in
# a real X server (Xvfb) with a home folder of its own.
#
#   installed_game_test.sh CMAKE BUILD_DIR installed
#       Started from a folder that has nothing to do with the game: its window appears with
#       the desktop entry's window class and its icon, it reads its five sounds from the
#       prefix, its default Narabe1.ini appears in the configuration folder and nowhere else,
#       and SIGTERM ends it with status 0, between moves and with a message box open.
#   installed_game_test.sh CMAKE BUILD_DIR portable
#       Started in a folder that holds the sounds: it reads them there and reads and writes
#       Narabe1.ini there, and makes no configuration folder.
set -euo pipefail
cmake=$1 build=$2 mode=$3
source "$(cd "$(dirname "$0")" && pwd)/x_display.sh"

work=$(mktemp -d)
xpid="" lpid=""
cleanup() {
    [ -n "$lpid" ] && kill -KILL "$lpid" 2>/dev/null || true
    [ -n "$xpid" ] && kill "$xpid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL $*"
    [ -f "$work/narabe.log" ] && cat "$work/narabe.log"
    exit 1
}

prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
narabe=$prefix/bin/narabe
data=$prefix/share/narabe1
sounds=("その他.wav" "禁止.wav" "石打音.wav" "終局.wav" "BGM.wav")

export HOME=$work/home XDG_CONFIG_HOME=$work/home/config
export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb
# No session bus: without an address the D-Bus library starts one of its own (dbus-launch,
# where dbus-x11 is installed) that outlives the game, and strace -f, following it, would
# never end. An address where nothing listens makes every connection fail at once.
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-session-bus
mkdir -p "$HOME"
start_xvfb "$work/xvfb.log"
printf '\x8e\xe8\x8f\x87\x94\xd4\x8d\x86\x95\x5c\x8e\xa6=OFF\r\nBGM=OFF\r\n' >"$work/default.ini"

# Starts the game in the current directory, under strace recording the files it opened
# into $1 when that is given. Sets lpid (the process to wait for: strace ends with the
# game's own exit status), gpid (the game) and window.
start_game() {
    if [ -n "${1:-}" ]; then
        # LeakSanitizer cannot work under ptrace; the runs without strace keep it.
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
            strace -f -qq -e trace=openat -e status=successful -o "$1" "$narabe" \
            >>"$work/narabe.log" 2>&1 &
    else
        "$narabe" >>"$work/narabe.log" 2>&1 &
    fi
    lpid=$!
    window=$(timeout 60 xdotool search --sync --onlyvisible --name 'Narabe' | head -n 1) ||
        fail "no window appeared"
    gpid=$(xdotool getwindowpid "$window")
}

# Sends SIGTERM to the game and checks that it ends with status 0; prints how long it took.
terminate() {
    local what=$1 start end
    start=$(date +%s%N)
    kill -TERM "$gpid"
    wait_for_exit "$lpid" 10
    end=$(date +%s%N)
    [ -n "$status" ] || fail "SIGTERM $what: the game did not end"
    lpid=""
    [ "$status" -eq 0 ] || fail "SIGTERM $what: exit status $status"
    echo "SIGTERM $what: ended with status 0 after $(((end - start) / 1000000)) ms"
}

# The paths the game opened, as text (strace writes bytes beyond ASCII as octal escapes).
opened() {
    perl -ne 'print "$1\n" if /openat\(AT_FDCWD, "((?:[^"\\]|\\.)*)"/' "$1" |
        perl -pe 's/\\([0-7]{3})/chr(oct($1))/ge'
}

# Waits until the game has been seen opening PATH; strace writes its record in blocks, so a
# line may come a while after the window.
awaitOpened() {
    local path=$1 end=$((SECONDS + 30))
    until opened "$work/opens" | grep -qxF "$path"; do
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep 0.1
    done
}

# Every Narabe1.ini under the test's folder.
settings_files() {
    find "$work" -name Narabe1.ini | sort
}

case $mode in
installed)
    mkdir -p "$work/elsewhere"
    cd "$work/elsewhere"

    # Between moves.
    start_game "$work/opens"
    for s in "${sounds[@]}"; do
        awaitOpened "$data/$s" || fail "$s was not read from $data"
    done
    awaitOpened "$prefix/libexec/narabe1/narabe-sound.so" || fail "no sound module from the prefix"
    class=$(sed -n 's/^StartupWMClass=//p' "$prefix"/share/applications/*.desktop)
    xprop -id "$window" WM_CLASS | grep -qF "\"$class\"" ||
        fail "the window's class is not the desktop entry's $class"
    [ "$(xprop -id "$window" _NET_WM_ICON | grep -c 'Icon (')" -ge 4 ] ||
        fail "the window has no icon of its own"
    terminate "between moves"
    expected=$XDG_CONFIG_HOME/narabe1/Narabe1.ini
    [ "$(settings_files)" = "$expected" ] ||
        fail "Narabe1.ini is not only in the configuration folder: $(settings_files)"
    cmp -s "$expected" "$work/default.ini" || fail "the settings file is not the default one"
    [ "$(stat -c %a "$XDG_CONFIG_HOME/narabe1")" = 700 ] ||
        fail "the configuration folder is not the user's alone"

    # With a message box open: a press on the board before a game.
    start_game
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) click 1
    timeout 30 xdotool search --sync --onlyvisible --name '開始' >/dev/null ||
        fail "no message box after a press before a game"
    terminate "with a message box open"
    [ "$(settings_files)" = "$expected" ] || fail "a second Narabe1.ini: $(settings_files)"
    ;;
portable)
    mkdir -p "$work/portable"
    cd "$work/portable"
    cp "$data"/*.wav .
    # BGM on, then a line without "=": read up to the error, then the default file written.
    printf 'BGM=ON\r\nbroken\r\n' >Narabe1.ini
    start_game "$work/opens"
    for s in "${sounds[@]}"; do
        awaitOpened "$s" || fail "$s was not read from the current folder"
    done
    awaitOpened "Narabe1.ini" || fail "Narabe1.ini was not read"
    terminate "in a portable folder"
    [ "$(settings_files)" = "$work/portable/Narabe1.ini" ] ||
        fail "Narabe1.ini is not only in the current folder: $(settings_files)"
    cmp -s Narabe1.ini "$work/default.ini" || fail "the default file was not written back"
    [ ! -e "$XDG_CONFIG_HOME" ] || fail "a configuration folder was made"
    ;;
*)
    fail "unknown mode $mode"
    ;;
esac
echo "installed game ok ($mode)"
