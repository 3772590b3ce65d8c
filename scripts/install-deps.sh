#!/bin/sh
# Installs the Debian packages the build, the program and its checks need.
# Only what is missing is installed, without prompts; sudo is used when not root.
#   scripts/install-deps.sh        the desktop program and its checks
#   scripts/install-deps.sh --web  also the web page and its checks
set -eu

packages="
build-essential
cmake
pkg-config
libgtest-dev
libgmock-dev
libbenchmark-dev
clang-14
libclang-rt-14-dev
llvm-14
qt6-base-dev
qt6-tools-dev
qt6-l10n-tools
libgl-dev
qt6-qpa-plugins
fonts-dejavu-core
xvfb
xauth
x11-utils
imagemagick
file
dpkg-dev
desktop-file-utils
appstream
lintian
binutils-mingw-w64-x86-64
xdotool
python3
hyperfine
"

# emscripten compiles the page; fast_float reads its doubles (and the core's
# tests hold it to the desktop's reading); Chromium and Node.js run its checks.
web_packages="
emscripten
libfast-float-dev
chromium
nodejs
"

wanted=$packages
if [ "${1:-}" = "--web" ]; then wanted="$packages $web_packages"; fi

missing=""
for p in $wanted; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    case "$status" in
        *" installed") ;;
        *) missing="$missing $p" ;;
    esac
done
# Some Node.js packages carry npm themselves, and conflict with Debian's.
if [ "${1:-}" = "--web" ] && ! command -v npm >/dev/null 2>&1; then missing="$missing npm"; fi

[ -z "$missing" ] && exit 0

echo "Installing missing packages:$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
# shellcheck disable=SC2086
$sudo apt-get install -y -q --no-install-recommends $missing
