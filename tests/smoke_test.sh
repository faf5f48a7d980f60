#!/usr/bin/env bash
# Starts the real program on an X display, checks the menu window, then
# leaves through Exit and Ok with real key events; the program must end
# with status 0. Run under xvfb-run. With a second argument "weston", the
# program starts in a Wayland session beside the X server and must still
# place its windows there; with any other, that window manager runs first,
# and the About box must be centred by its frame.
set -euo pipefail
program=$1
window_manager=${2:-}
fail() { echo "FAIL: $*" >&2; exit 1; }
unset QT_QPA_PLATFORM

if [ "$window_manager" = weston ]; then
    . "$(dirname "$0")/weston.sh"
    start_weston
    echo "Wayland session $WAYLAND_DISPLAY running"
    window_manager=
elif [ -n "$window_manager" ]; then
    "$window_manager" >/dev/null 2>&1 &
    wm_pid=$!
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
    echo "window manager $window_manager running"
fi

read -r screen_w screen_h < <(xdpyinfo 2>/dev/null | awk '/dimensions:/ { split($2, d, "x"); print d[1], d[2] }') \
    || fail "no X display"

"$program" &
pid=$!
stop() {
    kill "$@" ${wm_pid:-} 2>/dev/null || true
    [ -z "${weston_pid:-}" ] || stop_weston
}
trap 'stop $pid' EXIT

find_window() { timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }

menu=$(find_window '^Tervalo$') || fail "the menu window was not mapped"
geometry=$(xwininfo -id "$menu")
width=$(awk '/^ *Width:/ { print $2 }' <<<"$geometry")
height=$(awk '/^ *Height:/ { print $2 }' <<<"$geometry")
left=$(awk '/Absolute upper-left X:/ { print $4 }' <<<"$geometry")
top=$(awk '/Absolute upper-left Y:/ { print $4 }' <<<"$geometry")
[ "$width" = 640 ] && [ "$height" = 480 ] || fail "menu is ${width}x${height}, not 640x480"
[ "$left" = $(((screen_w - 640) / 2)) ] && [ "$top" = $(((screen_h - 480) / 2)) ] \
    || fail "menu at $left,$top is not centred on ${screen_w}x${screen_h}"
echo "menu mapped at ${width}x${height}+${left}+${top} on ${screen_w}x${screen_h}"

# Each level: open it from the menu by its access key, Start, answer once,
# Exit.
for n in 1 2 3 4 5; do
    xdotool windowfocus --sync "$menu"
    xdotool key --clearmodifiers "alt+$n"
    level=
    for _ in $(seq 50); do
        level=$(xdotool search --onlyvisible --class tervalo 2>/dev/null | grep -v -x "$menu" | head -n 1 || true)
        [ -n "$level" ] && break
        sleep 0.1
    done
    [ -n "$level" ] || fail "the Level $n window did not appear"
    [ "$(xwininfo -id "$level" | awk '/^ *Width:/ { print $2 }')" = 640 ] || fail "the Level $n window is not 640 wide"
    level_at=$(xwininfo -id "$level" | awk '/Absolute upper-left [XY]:/ { printf "%s ", $4 }')
    [ "$level_at" = "$left $top " ] || fail "the Level $n window at $level_at does not cover the menu at $left,$top"
    echo "Level $n window shown over the menu"
    xdotool windowfocus --sync "$level"
    xdotool key --clearmodifiers alt+s
    sleep 0.3
    xdotool key --clearmodifiers alt+1
    sleep 0.3
    xdotool key --clearmodifiers alt+x
    for _ in $(seq 50); do
        xwininfo -id "$level" 2>/dev/null | grep -q IsViewable || break
        sleep 0.1
    done
    xwininfo -id "$level" 2>/dev/null | grep -q IsViewable && fail "Exit did not close the Level $n window"
    kill -0 $pid 2>/dev/null || fail "the program ended while playing Level $n"
    echo "Level $n played and closed"
done

xdotool windowfocus --sync "$menu"
xdotool key --clearmodifiers alt+x
about=$(find_window '^About TERVALO$') || fail "the About box did not appear"
echo "About box shown"

# Its outer frame, title bar and border included, is centred on the screen
# (to the pixel, as the halves may round either way).
frame_extents() { xprop -id "$about" _NET_FRAME_EXTENTS 2>/dev/null | grep -o '[0-9, ]*$' | tr -d ' ' || true; }
extents=0,0,0,0
if [ -n "$window_manager" ]; then
    for _ in $(seq 50); do
        extents=$(frame_extents)
        [ -n "$extents" ] && break
        sleep 0.1
    done
    [ -n "$extents" ] || fail "the window manager gave the About box no frame"
fi
sleep 0.5 # the box is placed again once its frame is known
IFS=, read -r frame_l frame_r frame_t frame_b <<<"$extents"
geometry=$(xwininfo -id "$about")
width=$(awk '/^ *Width:/ { print $2 }' <<<"$geometry")
height=$(awk '/^ *Height:/ { print $2 }' <<<"$geometry")
left=$(awk '/Absolute upper-left X:/ { print $4 }' <<<"$geometry")
top=$(awk '/Absolute upper-left Y:/ { print $4 }' <<<"$geometry")
outer_w=$((width + frame_l + frame_r))
outer_h=$((height + frame_t + frame_b))
off_x=$(((2 * (left - frame_l) + outer_w) - screen_w))
off_y=$(((2 * (top - frame_t) + outer_h) - screen_h))
[ "${off_x#-}" -le 2 ] && [ "${off_y#-}" -le 2 ] \
    || fail "About box frame ${outer_w}x${outer_h} at $((left - frame_l)),$((top - frame_t)) is not centred on ${screen_w}x${screen_h}"
echo "About box frame ${outer_w}x${outer_h}+$((left - frame_l))+$((top - frame_t)) is centred"
xdotool windowfocus --sync "$about"
xdotool key --clearmodifiers alt+o

for _ in $(seq 100); do
    kill -0 $pid 2>/dev/null || break
    sleep 0.1
done
kill -0 $pid 2>/dev/null && fail "the program did not end after Ok"
trap stop EXIT
wait $pid && status=0 || status=$?
[ "$status" = 0 ] || fail "the program ended with status $status"
echo "program ended with status 0"
