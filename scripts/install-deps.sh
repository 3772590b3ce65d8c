#!/bin/sh
# Installs the Debian packages a stage of the project needs: only what is
# missing, without prompts; sudo is used when not root.
#   scripts/install-deps.sh [STAGE...]   STAGE: build (the default), test, fuzz, web, browsers, windows
set -eu

# build: the program, its package (dpkg-shlibdeps, and file, with which
# CPack finds the programs to read) and its picture on a virtual display.
build_packages="
build-essential
cmake
pkg-config
qt6-base-dev
qt6-tools-dev
qt6-l10n-tools
libgl-dev
qt6-qpa-plugins
fonts-dejavu-core
dpkg-dev
file
xvfb
xauth
x11-utils
imagemagick
"

# test: the suites, the benchmarks they run once (and valgrind, which counts
# a keystroke's instructions), and the checks of the desktop files and the
# package: validators, lintian, the Windows resource compiler, keys sent to a
# real window and its clipboard read.
test_packages="
libgtest-dev
libgmock-dev
libbenchmark-dev
libfast-float-dev
desktop-file-utils
appstream
lintian
binutils-mingw-w64-x86-64
xdotool
xclip
python3
hyperfine
valgrind
"

# fuzz: libFuzzer and the sanitizers, with clang.
fuzz_packages="
clang-14
libclang-rt-14-dev
llvm-14
"

# web: what building the page needs: emscripten compiles it, fast_float
# reads its doubles, Node.js runs the tools that write and pack it.
web_packages="
emscripten
libfast-float-dev
nodejs
"

# browsers: what the page's checks run it in: Chromium and Firefox ESR,
# with the languages the checks read numbers in, and npm, which installs
# the pinned puppeteer-core that drives them.
browsers_packages="
chromium
firefox-esr
firefox-esr-l10n-ro
firefox-esr-l10n-fr
"
# windows: the Windows program, cross-compiled by mingw-w64 with POSIX
# threads (std::thread and friends), and Wine 8 with its fonts, which runs
# it, its suites and the program that drives it on a virtual display. Not
# wine32: everything here is 64-bit.
windows_packages="
g++-mingw-w64-x86-64-posix
wine
wine64
fonts-wine
"

# Installed only where no command of the name is on the machine: some
# Node.js packages carry npm themselves, and conflict with Debian's.
browsers_packages_if_missing="
npm
"

[ $# -eq 0 ] && set -- build
wanted=""
for stage in "$@"; do
    case "$stage" in
        build) wanted="$wanted $build_packages" ;;
        test) wanted="$wanted $test_packages" ;;
        fuzz) wanted="$wanted $fuzz_packages" ;;
        web) wanted="$wanted $web_packages" ;;
        browsers) wanted="$wanted $browsers_packages" ;;
        windows) wanted="$wanted $windows_packages" ;;
        *) echo "install-deps.sh: no stage '$stage' (build, test, fuzz, web, browsers, windows)" >&2; exit 2 ;;
    esac
done

missing=""
for p in $wanted; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    case "$status" in
        *" installed") ;;
        *) case " $missing " in *" $p "*) ;; *) missing="$missing $p" ;; esac ;;
    esac
done
for stage in "$@"; do
    for p in $(eval echo "\${${stage}_packages_if_missing:-}"); do
        command -v "$p" >/dev/null 2>&1 || missing="$missing $p"
    done
done

[ -z "$missing" ] && exit 0

echo "Installing missing packages:$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
# shellcheck disable=SC2086
$sudo apt-get install -y -q --no-install-recommends $missing
