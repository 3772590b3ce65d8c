#!/bin/sh
# Shows the calculator on a virtual X display and saves a picture of its
# window: scripts/screenshot.sh PROGRAM OUTPUT.png [SCALE]
# SCALE is the device pixel ratio (QT_SCALE_FACTOR), 1 by default.
set -eu
. "$(dirname "$0")/x_window.sh"

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
export DISPLAY="$display"

QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" "$program" &
app=$!

# Wait for the window to be mapped and painted.
window=$(window_shown '" Quorvel "')
sleep 1

mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
echo "screenshot: saved $output"
