#!/usr/bin/env bash
# Kills narabe-script at each step of a settings write that has to go in place (the folder
# may not be written, the file may), through strace's fault injection: on entering the write
# of the new content, the cut of the file to its length, and the flush. After every kill the
# file must read as the old settings or the new ones: the old content, longer than the new,
# is covered with "=" bytes until the cut, never left to show through.
#
#   in_place_kill_test.sh NARABE_SCRIPT
set -euo pipefail
export LC_ALL=C # lengths in bytes
runner=$(realpath "$1")
command -v strace >/dev/null || { echo "strace is missing (scripts/install-deps installs it)"; exit 1; }

work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 0755 "$work"
game=$work/game
mkdir "$game"
cp "$runner" "$work/narabe-script"
printf 'menu BANGOU\n' >"$work/script"
chmod 0755 "$work/narabe-script"
chmod 0644 "$work/script"

# Old: reads as settings (an unknown key, then the music), longer than what the toggle writes.
key=$'\x8e\xe8\x8f\x87\x94\xd4\x8d\x86\x95\x5c\x8e\xa6'
old="Note=$(printf 'a%.0s' $(seq 60))"$'\r\n'"BGM=OFF"$'\r\n'
new="$key=ON"$'\r\n'"BGM=OFF"$'\r\n'
covered="$new$(printf '=%.0s' $(seq $((${#old} - ${#new}))))"

as_user=()
if [ "$(id -u)" -eq 0 ]; then
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    chown nobody:nogroup "$game"
fi

failed=0
for step in pwrite64 ftruncate fsync; do
    chmod 0755 "$game"
    printf '%s' "$old" >"$game/Narabe1.ini"
    chmod 0666 "$game/Narabe1.ini"
    chmod 0555 "$game"
    set +e
    (cd "$game" && strace -f -qq -o /dev/null -e trace="$step" -e inject="$step":signal=KILL \
        "${as_user[@]}" "$work/narabe-script" --no-sound-device "$work/script" >/dev/null 2>&1)
    status=$?
    set -e
    got=$(cat "$game/Narabe1.ini"; printf x)
    got=${got%x}
    case "$got" in
    "$old") what=old ;;
    "$covered") what=covered ;;
    "$new") what=new ;;
    *) what=other; failed=1 ;;
    esac
    echo "killed on entering $step (status $status): the file holds the $what content"
    [ "$status" -ne 0 ] || { echo "  but the runner was not killed"; failed=1; }
done
exit "$failed"
