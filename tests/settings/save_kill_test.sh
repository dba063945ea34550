#!/usr/bin/env bash
# Kills narabe-script in the middle of saving a record, again and again, through strace's
# fault injection: on entering the flush of the new file and on entering its rename, each at
# the first, second and third save of a run. Each kill leaves the new file under its
# temporary name beside the record, and each save removes those that earlier kills left, so
# one is left after every kill; the next save that runs to its end leaves none, and the
# record reads as a record.
#
#   save_kill_test.sh NARABE_SCRIPT
set -euo pipefail
export LC_ALL=C
runner=$(realpath "$1")
command -v strace >/dev/null || { echo "strace is missing (scripts/install-deps installs it)"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
# Settings that read well, so that no run writes them.
printf '\x8e\xe8\x8f\x87\x94\xd4\x8d\x86\x95\x5c\x8e\xa6=OFF\r\nBGM=OFF\r\n' >Narabe1.ini
printf 'menu TAIMAN\npress 3600 3200\nsave rec.sgf\npress 3915 3200\nsave rec.sgf\n' >one-save-more
printf 'menu TAIMAN\npress 3600 3200\nsave rec.sgf\nsave rec.sgf\nsave rec.sgf\n' >three-saves

leftovers() {
    find . -maxdepth 1 -name 'rec.sgf.??????.tmp' | wc -l
}

failed=0
for call in fsync rename; do
    for when in 1 2 3; do
        set +e
        (strace -f -qq -o /dev/null -e trace="$call" -e inject="$call":signal=KILL:when="$when" \
            "$runner" --no-sound-device three-saves >/dev/null 2>&1) 2>/dev/null
        status=$?
        set -e
        left=$(leftovers)
        echo "killed on entering $call number $when (status $status): $left temporary files"
        [ "$status" -ne 0 ] || { echo "  but the runner was not killed"; failed=1; }
        [ "$left" -eq 1 ] || failed=1
    done
done

"$runner" --no-sound-device one-save-more >/dev/null
left=$(leftovers)
echo "after the next save: $left temporary files"
[ "$left" -eq 0 ] || { ls; failed=1; }
grep -q '^(;FF\[4\]GM\[4\]' rec.sgf || { echo "the record does not read as one"; failed=1; }
exit "$failed"
