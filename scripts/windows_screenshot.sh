#!/bin/sh
# Photographs Quorvel.exe's window as Wine shows it, inside a Wine session
# (scripts/wine-session.sh): scripts/windows_screenshot.sh BUILD OUTPUT.png
set -eu

build=$1
output=$2

wine "$build/Quorvel.exe" &
app=$!
trap 'kill $app 2>/dev/null || true' EXIT INT TERM

# Each window of the virtual desktop is an X window of its own: wait for
# it to be mapped and painted.
window=""
for _ in $(seq 300); do
    window=$(xwininfo -root -tree 2>/dev/null | awk '/" Quorvel ": \("quorvel.exe"/ { print $1; exit }')
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "windows-screenshot: the window did not appear" >&2; exit 1; }
sleep 2

mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
echo "windows-screenshot: saved $output"
