#!/bin/sh
# The tools and Qt plug-ins that the build, the package, the desktop checks
# and the web page's build and checks use must reach a fresh machine through
# scripts/install-deps.sh: each must belong to a package it lists, to one
# those pull in, or to an essential package. One installed by hand fails
# here, not on the next machine.    tools_test.sh PATH/TO/install-deps.sh
set -eu

deps=$1
listed=$(sed -n '/^[a-z_]*packages="/,/^"/p' "$deps" | grep -v '"')
# shellcheck disable=SC2086
closure=$(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
    --no-replaces --no-enhances $listed | grep '^[a-z0-9]' | sort -u)
plugins=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/qt6/plugins

failures=0
for tool in cmake cpack ctest cpp file gzip zcat dpkg-deb dpkg-shlibdeps dpkg-parsechangelog lintian \
    desktop-file-validate appstreamcli x86_64-w64-mingw32-windres Xvfb xdotool xdpyinfo xwininfo import timeout \
    em++ chromium firefox-esr node \
    /usr/lib/qt6/bin/lrelease "$plugins/imageformats/libqico.so" "$plugins/platforms/libqxcb.so" "$plugins/platforms/libqoffscreen.so"; do
    if ! path=$(command -v "$tool") && ! path=$(ls "$tool" 2>/dev/null); then
        echo "FAIL: $tool is not on this machine"
        failures=$((failures + 1))
        continue
    fi
    # An alternative (import) belongs to the package of the file it points at;
    # with /usr merged, dpkg knows some (gzip) by their path in /bin.
    owner=$(dpkg -S "$path" 2>/dev/null || dpkg -S "$(readlink -f "$path")" 2>/dev/null ||
        dpkg -S "${path#/usr}" 2>/dev/null || true)
    package=${owner%%:*}
    if [ -z "$package" ]; then
        echo "FAIL: $tool ($path) belongs to no Debian package: installed by hand"
        failures=$((failures + 1))
    elif printf '%s\n' "$closure" | grep -qx "$package"; then
        echo "ok: $tool from $package"
    elif [ "$(dpkg-query -W -f='${Essential}' "$package")" = yes ]; then
        echo "ok: $tool from $package (essential)"
    else
        echo "FAIL: $tool comes from $package, which scripts/install-deps.sh does not bring"
        failures=$((failures + 1))
    fi
done
exit "$failures"
