#!/bin/sh
# cmake --install puts the program, its desktop entry, icons at every size,
# metainfo, manual page and package documents where desktops and Debian
# look, and the entry and the metainfo pass the desktop's own validators,
# pedantic, with the one remark below.    install_test.sh BUILD_DIR DESKTOP_ID
set -eu

build=$1
id=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$root/usr" >/dev/null

sizes="16 24 32 48 64 128 256"
{
    cat <<LIST
usr/bin/quorvel
usr/share/applications/$id.desktop
usr/share/doc/quorvel/changelog.gz
usr/share/doc/quorvel/copyright
usr/share/doc/quorvel/entry-rules.md.gz
usr/share/man/man1/quorvel.1.gz
usr/share/metainfo/$id.metainfo.xml
LIST
    for size in $sizes; do echo "usr/share/icons/hicolor/${size}x$size/apps/$id.png"; done
} | sort > "$work/expected"
(cd "$root" && find . -type f -o -type l) | sed 's|^\./||' | sort > "$work/installed"
diff "$work/expected" "$work/installed" || fail "the installed files differ from the list (< missing, > extra)"
[ -x "$root/usr/bin/quorvel" ] || fail "the program is not executable"

desktop=$root/usr/share/applications/$id.desktop
metainfo=$root/usr/share/metainfo/$id.metainfo.xml
remarks=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $remarks"
[ -z "$remarks" ] || fail "desktop-file-validate: $remarks"
# The one remark left: the id keeps its capitals, as desktops already know it.
remarks=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) || fail "appstreamcli: $remarks"
! printf '%s\n' "$remarks" | grep '^[EWIP]:' | grep -qv ' cid-contains-uppercase-letter ' ||
    fail "appstreamcli: $remarks"

# The entry starts the installed program and names the installed icon; the
# metainfo points at the entry. A desktop joins them by these names alone.
for line in "Name=Quorvel" "Exec=quorvel" "Icon=$id" "Type=Application"; do
    grep -qx "$line" "$desktop" || fail "the desktop entry lacks $line"
done
for key in "Comment" "Comment\\[ro\\]"; do
    grep -q "^$key=." "$desktop" || fail "the desktop entry lacks a $key"
done
grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
grep -q "<binary>quorvel</binary>" "$metainfo" || fail "the metainfo does not provide the program"

for size in $sizes; do
    file "$root/usr/share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q "PNG image data, $size x $size," ||
        fail "the ${size}x$size icon is no PNG of that size"
done
echo "ok: installed $(tr '\n' ' ' < "$work/installed")"
