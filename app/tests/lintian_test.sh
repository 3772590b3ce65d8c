#!/bin/sh
# Debian's own check of a package finds no error and no warning in ours;
# its lesser remarks are printed for the reader.    lintian_test.sh DEB_DIR
set -eu

# The newest, should an older version lie beside it.
deb=$(ls -t "$1"/*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "FAIL: no package in $1"; exit 1; }
lintian --fail-on error,warning --display-info --pedantic "$deb"
echo "ok: lintian found no error and no warning in $(basename "$deb")"
