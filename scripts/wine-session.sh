#!/bin/sh
# Runs a command with the build's own Wine prefix, on a virtual X display of
# its own with Wine's virtual desktop on:
#     scripts/wine-session.sh PREFIX COMMAND [ARGUMENT...]
# The prefix is made on first use, with Wine's fonts copied in (Wine does
# not read /usr/share/wine/fonts by itself) and every program shown on the
# virtual desktop: without a window manager, a program takes two seconds
# to end. It is started before the command, so that the command does not
# pay for a cold start; every Wine process has ended before the display goes.
set -eu

prefix=$1
shift
mkdir -p "$prefix"
WINEPREFIX=$(cd "$prefix" && pwd)
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# A display number that no other X server holds.
displays=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$displays" >/dev/null 2>&1 &
xvfb=$!
keep=$(mktemp -u)
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true; rm -f "$displays" "$keep"' EXIT INT TERM
for _ in $(seq 100); do [ -s "$displays" ] && break; sleep 0.1; done
DISPLAY=":$(cat "$displays")"
export DISPLAY

if [ ! -f "$WINEPREFIX/.quorvel-ready" ]; then
    wineboot --init
    wineserver -w
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null
    wineserver -w
    touch "$WINEPREFIX/.quorvel-ready"
fi
# A Windows program that waits, for as long as the command runs, keeps the
# Wine server and its services up: each program the command starts then
# starts warm.
wineboot
mkfifo "$keep"
wine cmd /c pause <"$keep" >/dev/null 2>&1 &
keeper=$!
exec 4>"$keep"

status=0
"$@" 4>&- || status=$?
exec 4>&-  # the keeper reads the end of its input, and ends
wait "$keeper" || true
# A program left running (a test that failed half-way) is ended.
timeout 120 wineserver -w || { echo "wine-session: a Wine process outlived the command; ending it" >&2; wineserver -k; }
exit "$status"
