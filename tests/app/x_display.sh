# Shell functions for the tests that run the real program in a real X server; sourced.
#
#   start_xvfb LOG        starts Xvfb on a display it picks itself (so that tests running
#                         side by side never race for one), logging to LOG; sets DISPLAY
#                         and xpid
#   wait_for_exit PID S   waits up to S seconds for PID (a child of this shell) to end;
#                         sets status to its exit status, or leaves it empty

start_xvfb() {
    local log=$1 number="" picked="$1.display"
    : >"$picked"
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$picked" >"$log" 2>&1 &
    xpid=$!
    for _ in $(seq 100); do
        number=$(cat "$picked")
        [ -n "$number" ] && break
        sleep 0.1
    done
    [ -n "$number" ] || { echo "Xvfb did not start"; cat "$log"; exit 1; }
    export DISPLAY=":$number"
    for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
}

wait_for_exit() {
    local pid=$1 seconds=$2
    status=""
    for _ in $(seq $((seconds * 200))); do
        if ! kill -0 "$pid" 2>/dev/null; then wait "$pid" && status=0 || status=$?; return; fi
        sleep 0.005
    done
}
