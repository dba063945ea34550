#!/usr/bin/env bash
# What `cmake --install` puts under a prefix whose name a desktop entry must quote: the desktop
# entry's Exec, read as a desktop's launcher reads it, starts the installed program; the entry
# passes desktop-file-validate; every file each installed help page refers to stands beside it.
#
#   installed_files_test.sh CMAKE BUILD_DIR
set -euo pipefail
cmake=$1 build=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/a prefix's \$HOME"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

failures=0
fail() {
    echo "FAIL $*"
    failures=$((failures + 1))
}

# The Exec line's words, one a line, as desktop entries quote them: the value's escapes
# (\s \n \t \r \\) first, then words split at blanks, a word in double quotes keeping its
# blanks with \" \` \$ \\ standing for the character, and "%%" for "%".
exec_words() {
    perl -CS -ne '
        next unless s/^Exec=//;
        chomp;
        s/\\(.)/$1 eq "s" ? " " : $1 eq "n" ? "\n" : $1 eq "t" ? "\t" : $1 eq "r" ? "\r" : $1/ge;
        while (/\G\s*(?:"((?:[^"\\]|\\.)*)"|([^\s"]+))/gc) {
            my $word = defined $1 ? $1 =~ s/\\(["`\$\\])/$1/gr : $2;
            print $word =~ s/%%/%/gr, "\n";
        }
        ' "$1"
}

entry=$(echo "$prefix"/share/applications/*.desktop)
[ -f "$entry" ] || fail "no desktop entry in $prefix/share/applications"
if [ -f "$entry" ]; then
    mapfile -t words < <(exec_words "$entry")
    program=${words[0]:-}
    [ "$program" = "$prefix/bin/narabe" ] ||
        fail "Exec names '$program', not the installed program $prefix/bin/narabe"
    [ -x "$program" ] || fail "Exec's program '$program' is not an executable file"
    # The program the entry starts answers as the game (--version opens no window).
    version=$(env -u DISPLAY -u WAYLAND_DISPLAY "${words[@]}" --version 2>&1) ||
        fail "the entry's command does not run: $version"
    [[ $version == "narabe (NarabeⅠ) "* ]] || fail "the entry's command is not the game: $version"
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$entry" || fail "desktop-file-validate refuses the installed entry"
    fi
fi

# The records' file type, which the desktop entry names, is one the desktop's database takes:
# a kind of Go's SGF record told apart by GM[4].
types=$prefix/share/mime/packages/org.example.narabe1.Narabe1.xml
if [ ! -f "$types" ]; then
    fail "no file type in $prefix/share/mime/packages"
elif command -v update-mime-database >/dev/null && [ -f /usr/share/mime/packages/freedesktop.org.xml ]; then
    mime=$(mktemp -d)
    mkdir "$mime/packages"
    cp /usr/share/mime/packages/freedesktop.org.xml "$types" "$mime/packages/"
    update-mime-database "$mime" || fail "update-mime-database refuses the file type"
    grep -qx 'application/x-narabe1-sgf application/x-go-sgf' "$mime/subclasses" ||
        fail "the file type is no kind of application/x-go-sgf"
    grep -q 'MimeType=application/x-narabe1-sgf;' "$entry" || fail "the entry names another type"
    rm -rf "$mime"
fi

# Every picture and link of each help page, Japanese and English, that is not a place on the
# page or on the web.
data=$prefix/share/narabe1
for page in Narabe1.htm Narabe1_en.htm; do
    [ -f "$data/$page" ] || fail "no help page $page in $data"
    targets=$(perl -ne 'print "$1\n" while /\s(?:src|href)="([^"#][^"]*)"/g' "$data/$page" |
        grep -v '://' || true)
    [ -n "$targets" ] || fail "$page refers to no file (it shows five pictures)"
    while IFS= read -r target; do
        [ -z "$target" ] || [ -f "$data/$target" ] || fail "$target is not beside the installed $page"
    done <<<"$targets"
done

[ "$failures" -eq 0 ] || exit 1
echo "installed files ok"
