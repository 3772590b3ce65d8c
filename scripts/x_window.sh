# Sourced by the screenshot scripts: the X window whose line in the
# window tree holds the given text, once it is mapped; waits up to 30 s.
# window_shown TEXT [WHO]: prints the window's id, or says WHO waited in vain.
window_shown() {
    for _ in $(seq 300); do
        found=$(xwininfo -root -tree 2>/dev/null | awk -v text="$1" 'index($0, text) { print $1; exit }')
        [ -n "$found" ] && { echo "$found"; return; }
        sleep 0.1
    done
    echo "${2:-screenshot}: $1 did not appear" >&2
    exit 1
}
