#!/bin/sh
# The Debian package that make package builds, as a user gets it: dpkg
# installs it (into a scratch root, with its own database); it holds the
# program, its desktop entry, metainfo and icon; the program answers its
# options with no display, and its manual page names them; a circuit on its
# command line opens the window with it; its version is
# the one of the program, changelog and metainfo; its dependencies are those
# dpkg-shlibdeps read off the program; and the program its desktop entry
# starts shows the window.
#
# The offscreen platform takes no keys from another process, so the program
# runs on a virtual X display: the window must appear, take the focus, and
# end with exit code 0 on a real Esc key press sent through XTEST (xdotool),
# as a user's would arrive.    package_test.sh DEB_DIR DESKTOP_ID
set -eu

id=$2
work=$(mktemp -d)
xvfb=""
app=""
cleanup() {
    for pid in $app $xvfb; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# The newest, should an older version lie beside it.
deb=$(ls -t "$1"/*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no package in $1"
echo "package: $(basename "$deb")"

# Installed by dpkg as on a user's system, into a root of its own: the
# libraries it depends on are this system's, not in that root's database.
root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
: > "$root/var/lib/dpkg/status"
dpkg --root="$root" --force-not-root --force-depends --log=/dev/null -i "$deb" > "$work/dpkg.log" 2>&1 ||
    fail "dpkg did not install the package: $(cat "$work/dpkg.log")"
dpkg --root="$root" -s quorvel 2>/dev/null | grep -qx 'Status: install ok installed' ||
    fail "dpkg does not call the package installed"
for f in usr/bin/quorvel usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
    usr/share/icons/hicolor/32x32/apps/$id.png; do
    [ -f "$root/$f" ] || fail "the package lacks $f"
done

# The program as the desktop entry names it, found where the package put it.
command=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/$id.desktop" | sed 's/ *%[fFuUick]//g')
program=$(PATH="$root/usr/bin" command -v "${command%% *}") || fail "the desktop entry starts '$command', not installed"

# With no display at all: an option must not need the window.
quorvel() { env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= timeout 10 "$program" "$@"; }
version=$(dpkg-deb -f "$deb" Version)
while IFS='|' read -r option status pattern; do
    got=0
    out=$(quorvel "$option" 2>&1) || got=$?
    [ "$got" -eq "$status" ] || fail "quorvel $option ended with $got, not $status: $out"
    printf '%s\n' "$out" | grep -q -- "$pattern" || fail "quorvel $option does not print '$pattern': $out"
done <<TABLE
--version|0|^Quorvel $version\$
-v|0|^Quorvel $version\$
--help|0|^  -v, --version
-h|0|^  -h, --help
--colour|2|^Quorvel: opțiunea „--colour” nu există. Vedeți quorvel --help.$
extra|2|^Quorvel: „extra” nu este un circuit
4K7,2K2,1M,470R|2|^Quorvel: „4K7,2K2,1M,470R” nu este un circuit
4K7 2K2 1M 470R 5mA|2|^Quorvel: „4K7 2K2 1M 470R 5mA” nu este un circuit
--table=4K7,2K2,1M,470R,5mA|0|^R1	4[.,]7	kOhm	23[.,]5	V	117[.,]5	mW$
--table=-4K7,2K2,1M,470R,5mA|0|^R1	4[.,]7	kOhm	23[.,]5	V	117[.,]5	mW$
--solution=4K7,2K2,1M,470R,5mA|0|^Puterea totală: P = R · I² = 1007370 Ohm · (0[.,]005 A)² = 25[.,]18425 W ≈ 25[.,]184 W$
--solution=1E200,2E200,0,0,1E108|1|^Quorvel: Un rezultat este prea mare
--table=4k7,2k2,1m,470r,5ma|3|^Quorvel: I „5ma”: „ma” nu este o unitate de curent
--table=4K7,2K2|2|^Quorvel: „4K7,2K2” nu este un circuit
--parts=4K7,2K2,1M,470R,5mA|0|^R1: 4[.,]7 kOhm ±5 % (4[.,]465 kOhm … 4[.,]935 kOhm); benzi: galben violet roșu auriu; cod SMD: 472;
--tolerance=5|2|^Quorvel: --tolerance se dă numai cu --parts. Vedeți quorvel --help.$
TABLE
# An answer that cannot be written is no answer, and the write's own error says why.
for option in --version --help --table=4K7,2K2,1M,470R,5mA; do
    got=0
    said=$(quorvel "$option" 2>&1 > /dev/full) || got=$?
    [ "$got" -eq 1 ] || fail "quorvel $option > /dev/full ended with $got, not 1"
    printf '%s\n' "$said" | grep -q 'No space left on device$' || fail "quorvel $option > /dev/full says: $said"
    got=0
    said=$(quorvel "$option" 2>&1 >&-) || got=$?
    [ "$got" -eq 1 ] || fail "quorvel $option >&- ended with $got, not 1"
    printf '%s\n' "$said" | grep -q 'Bad file descriptor$' || fail "quorvel $option >&- says: $said"
done
echo "ok: --version, --help, --table, --solution, --parts and wrong arguments answered with no display"

# The manual page names every option that --help lists.
for option in $(quorvel --help | grep -o -- ' --[a-z-]*'); do
    zcat "$root/usr/share/man/man1/quorvel.1.gz" | grep -qF -- "$(printf '%s' "$option" | sed 's/-/\\-/g')" ||
        fail "the manual page lacks $option"
done

# One version: the newest changelog entry and metainfo release are this one.
zcat "$root/usr/share/doc/quorvel/changelog.gz" > "$work/changelog"
logged=$(dpkg-parsechangelog -l "$work/changelog" -S Version)
released=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$root/usr/share/metainfo/$id.metainfo.xml" | head -n 1)
[ "$logged" = "$version" ] || fail "the changelog's newest entry is $logged, the package $version"
[ "$released" = "$version" ] || fail "the metainfo's newest release is $released, the package $version"

# Versioned dependencies on the libraries the program links are the mark
# of dpkg-shlibdeps; a hand-written list would rarely carry them.
depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
printf '%s\n' "$depends" | sed 's/, */\n/g' > "$work/depends"
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
    awk -v want="$library (>= " 'index($0, want) == 1 { found = 1 } END { exit !found }' "$work/depends" ||
        fail "no versioned dependency on $library"
done

# A display of its own, numbered by Xvfb, so parallel runs never meet.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3> "$work/display" 2> "$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
DISPLAY=:$(cat "$work/display")
export DISPLAY

# Started with a circuit, as the command line gives one, under a locale
# whose decimal mark is the comma.
QT_QPA_PLATFORM=xcb LC_ALL=ro_RO.UTF-8 "$program" '4K7,2K2,1M,470R,5mA' > "$work/app.log" 2>&1 &
app=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --name '^ Quorvel $' | head -n 1) ||
    fail "the window did not appear: $(cat "$work/app.log")"
size=$(xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: //p')
[ "$size" = "794x225" ] || fail "the window is $size, not 794x225"
kill -0 "$app" 2>/dev/null || fail "the program ended before Esc"

xdotool windowfocus --sync "$window"
# The circuit copied as a report's table: its first resistor as the
# command line gave it, in the locale's form.
xdotool key ctrl+shift+c
table=$(timeout 10 xclip -selection clipboard -o) || fail "Ctrl+Shift+C put nothing on the clipboard"
printf '%s\n' "$table" | grep -qx "$(printf 'R1\t4,7\tkOhm\t.*')" ||
    fail "the window does not hold the circuit of its command line: $table"
xdotool key Escape
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the program did not end on Esc within 10 s"
status=0
wait "$app" || status=$?
app=""
[ "$status" -eq 0 ] || fail "the program ended with exit code $status: $(cat "$work/app.log")"
echo "ok: the program its desktop entry starts showed its ${size} window with the circuit of its command line, copied it and ended on Esc with exit code 0"
