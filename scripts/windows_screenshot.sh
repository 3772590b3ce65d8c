#!/bin/sh
# Photographs Quorvel.exe as Wine shows it, inside a Wine session
# (scripts/wine-session.sh): scripts/windows_screenshot.sh BUILD OUTPUT.png [MODE]
# MODE: window (the default), the window alone; picker, R1's "Din culori…"
# dialog, a part's five bands picked by the keys; tooltip, R1's tooltip.
# Both of these have 4K7 typed into R1 first, as a person types it.
set -eu
. "$(dirname "$0")/x_window.sh"

build=$1
output=$2
mode=${3:-window}

wine "$build/Quorvel.exe" &
app=$!
trap 'kill $app 2>/dev/null || true' EXIT INT TERM

# Each window of the virtual desktop is an X window of its own: wait for
# it to be mapped and painted.
shown() { window_shown "\"$1\": (\"quorvel.exe\"" windows-screenshot; }
window=$(shown " Quorvel ")
sleep 2

# R1's middle within the window's frame, at Wine's 96 dots per inch.
r1="79 94"
case $mode in
window) shot="-window $window" ;;
picker)
    xdotool mousemove --window "$window" $r1 click 1 type 4K7
    xdotool mousemove --window "$window" $r1 click 3
    sleep 1
    xdotool key Up Return  # "Din culori…", the menu's last item
    dialog=$(shown "R1 din culori sau din cod")
    sleep 1
    # 5 bands, then the third figure, the multiplier and the tolerance: galben violet negru maro maro.
    xdotool key Down Tab Tab Tab n Tab m Tab m
    sleep 1
    shot="-window $dialog" ;;
tooltip)
    xdotool mousemove --window "$window" $r1 click 1 type 4K7
    xdotool mousemove --window "$window" 400 200 sleep 0.5 mousemove --window "$window" $r1
    sleep 2
    # The tooltip is a window of its own, over the calculator's.
    geometry=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
        /Width:/ { w = $NF } /Height:/ { h = $NF } END { print w "x" h "+" x "+" y }')
    shot="-window root -crop $geometry" ;;
*) echo "windows-screenshot: no mode '$mode' (window, picker, tooltip)" >&2; exit 2 ;;
esac

mkdir -p "$(dirname "$output")"
# shellcheck disable=SC2086 # the options as words
import $shot "$output"
echo "windows-screenshot: saved $output"
