# Sourced by ./run and ./skin-gallery after wine-env.sh: starts a program of the Windows tree and
# shows its window, or pictures it when there is no display.
# shellcheck shell=bash

# start_window EXE CAPTION SHOT [ARGUMENTS...]
# With a display (DISPLAY set and answering) the program opens its window there and this shell
# becomes it. Without one the program runs in a private Xvfb until its window, found by CAPTION,
# has painted; the window is saved as build/screenshots/SHOT.png, that path is printed and the
# program is ended.
start_window() {
    local exe=$1 caption=$2 shot=$3
    shift 3
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        wine_prepare_prefix
        exec "$WINE" "$exe" "$@"
    fi

    xvfb_start
    trap xvfb_stop EXIT
    wine_prepare_prefix
    "$WINE" "$exe" "$@" &
    local app=$! window='' _
    for _ in $(seq 1 120); do
        window=$(xwininfo -root -tree 2>/dev/null | grep -F "\"$caption\"" | awk '{print $1}' |
                 head -n 1 || true)
        [ -n "$window" ] && break
        sleep 0.5
    done
    if [ -z "$window" ]; then
        echo "The window \"$caption\" did not appear." >&2
        kill "$app" 2>/dev/null || true
        return 1
    fi
    sleep 2 # let it finish painting
    local path
    path="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/screenshots/$shot.png"
    mkdir -p "$(dirname "$path")"
    import -window "$window" "$path"
    kill "$app" 2>/dev/null || true
    echo "$path"
}
