#!/bin/sh
# Debian's own check of a package finds no error and no warning in ours;
# its lesser remarks are printed for the reader.    lintian_test.sh DEB_DIR
set -eu

set -- "$1"/*.deb
lintian --fail-on error,warning --display-info --pedantic "$1"
echo "ok: lintian found no error and no warning in $(basename "$1")"
