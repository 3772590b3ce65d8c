#!/bin/sh
# Shows the calculator on a virtual X display and saves a picture of its
# window: scripts/screenshot.sh PROGRAM OUTPUT.png [SCALE]
# SCALE is the device pixel ratio (QT_SCALE_FACTOR), 1 by default.
set -eu

program=$1
output=$2
scale=${3:-1}

# The screen grows with the scale, so that the enlarged window fits on it.
screen=$(awk -v s="$scale" 'BEGIN { printf "%dx%d", 1280 * s + 0.5, 800 * s + 0.5 }')

display=":$(( $$ % 400 + 100 ))"
Xvfb "$display" -screen 0 "${screen}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true' EXIT INT TERM
app=""

for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done

DISPLAY="$display" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" "$program" &
app=$!

# Wait for the window to be mapped and painted.
window=""
for _ in $(seq 100); do
    window=$(xwininfo -display "$display" -root -tree 2>/dev/null | awk '/" Quorvel "/ { print $1; exit }')
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "screenshot: the window did not appear" >&2; exit 1; }
sleep 1

mkdir -p "$(dirname "$output")"
import -display "$display" -window "$window" "$output"
echo "screenshot: saved $output"
