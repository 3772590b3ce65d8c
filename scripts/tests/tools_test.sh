#!/bin/sh
# The tools and Qt plug-ins a stage of `make test` uses must reach a fresh
# machine through scripts/install-deps.sh, by that stage at the latest: each
# must belong to a package of the stages installed so far, to one those pull
# in, or to an essential package. A tool installed by hand, or one that only
# a later stage brings, fails here on any machine, even one that has them all.
#     tools_test.sh PATH/TO/install-deps.sh STAGE...
set -eu

deps=$1
shift
stages="$*"

# The tools of each install stage, as the checks of that stage use them.
tools_of() {
    case "$1" in
        build) echo cmake cpack ctest file gzip zcat dpkg-deb dpkg-shlibdeps Xvfb xdpyinfo xwininfo import timeout \
                    /usr/lib/qt6/bin/lrelease "$plugins/imageformats/libqico.so" \
                    "$plugins/platforms/libqxcb.so" "$plugins/platforms/libqoffscreen.so" ;;
        test) echo cpp dpkg-parsechangelog lintian desktop-file-validate appstreamcli x86_64-w64-mingw32-windres \
                   xdotool xclip hyperfine ;;
        fuzz) echo clang++-14 llvm-symbolizer-14 ;;
        web) echo em++ node ;;
        browsers) echo chromium firefox-esr npm ;;
        windows) echo x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-gcc-posix x86_64-w64-mingw32-objdump wine \
                      /usr/lib/wine/wine64 wineboot wineserver ;;
        *) echo "tools_test.sh: no stage '$1'" >&2; exit 2 ;;
    esac
}

plugins=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/qt6/plugins
listed=""
for stage in $stages; do
    # Its packages, and those it installs only where their command is missing.
    listed="$listed $(sed -n "/^${stage}_packages\(_if_missing\)\?=\"/,/^\"/p" "$deps" | grep -v '"')"
done

# What the listed packages pull in, as installed here: every dependency of
# an installed package is installed, and of alternatives the one installed counts.
closure=$(dpkg-query -W -f='${db:Status-Abbrev} ${Package} ${Pre-Depends}, ${Depends}\n' | awk -v listed="$listed" '
    $1 == "ii" { package = $2; $1 = $2 = ""; needs[package] = $0; installed[package] = 1 }
    END {
        n = split(listed, queue, " ")
        for (i = 1; i <= n; i++) seen[queue[i]] = 1
        for (i = 1; i <= n; i++) {
            m = split(needs[queue[i]], deps, ",")
            for (j = 1; j <= m; j++) {
                k = split(deps[j], choices, "|")
                for (c = 1; c <= k; c++) {
                    split(choices[c], words, " ")
                    name = words[1]; sub(/:.*/, "", name)
                    if (name != "" && installed[name] && !seen[name]) { seen[name] = 1; queue[++n] = name }
                }
            }
        }
        for (name in seen) print name
    }')

# Where each tool is, and the files dpkg may know it by: an alternative
# (import) by the file it points at; with /usr merged, some (gzip) by their
# path in /bin. One look-up for all.
found=""
for stage in $stages; do
    for tool in $(tools_of "$stage"); do
        path=$(command -v "$tool" || ls "$tool" 2>/dev/null || true)
        found="$found$stage $tool ${path:--}
"
    done
done
owners=$(printf '%s' "$found" | awk '$3 != "-" { print $3 }' | while read -r path; do
    printf '%s\n%s\n%s\n' "$path" "$(readlink -f "$path")" "${path#/usr}"
done | sort -u | xargs dpkg -S 2>/dev/null || true)

failures=0
while read -r stage tool path; do
    [ -n "$stage" ] || continue
    if [ "$path" = - ]; then
        echo "FAIL: $tool ($stage) is not on this machine"
        failures=$((failures + 1))
        continue
    fi
    package=$(printf '%s\n' "$owners" | awk -v a="$path" -v b="$(readlink -f "$path")" -v c="${path#/usr}" '
        { split($0, p, ": "); if (p[2] == a || p[2] == b || p[2] == c) { sub(/:.*/, "", p[1]); print p[1]; exit } }')
    if [ -z "$package" ]; then
        echo "FAIL: $tool ($path) belongs to no Debian package: installed by hand"
        failures=$((failures + 1))
    elif printf '%s\n' "$closure" | grep -qx "$package"; then
        echo "ok: $tool from $package"
    elif [ "$(dpkg-query -W -f='${Essential}' "$package")" = yes ]; then
        echo "ok: $tool from $package (essential)"
    else
        echo "FAIL: $tool ($stage) comes from $package, which the stages ($stages) of scripts/install-deps.sh do not bring"
        failures=$((failures + 1))
    fi
done <<TOOLS
$found
TOOLS
exit "$failures"
