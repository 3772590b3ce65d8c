#!/bin/sh
# Builds the Debian package as make package does, afresh into OUT_DIR, for
# the checks that read it.    make_deb.sh BUILD_DIR OUT_DIR
set -eu

rm -rf "$2"
mkdir -p "$2"
cpack -G DEB --config "$1/CPackConfig.cmake" -B "$2" > "$2/cpack.log" 2>&1 ||
    { cat "$2/cpack.log"; echo "FAIL: cpack did not make the package"; exit 1; }
set -- "$2"/*.deb
[ $# -eq 1 ] && [ -f "$1" ] || { echo "FAIL: cpack made no single .deb"; exit 1; }
echo "package: $1"
