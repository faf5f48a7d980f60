#!/usr/bin/env bash
# Starts the real program in a Wayland session with no X display at all: it
# must come up on Wayland with its menu window, keep running, and end on a
# signal without a word of error.
set -euo pipefail
program=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
unset DISPLAY QT_QPA_PLATFORM

. "$(dirname "$0")/weston.sh"
start_weston
trap 'kill ${pid:-} 2>/dev/null || true; stop_weston' EXIT

# The client's side of the protocol shows the menu window being made.
log=$XDG_RUNTIME_DIR/program.log
WAYLAND_DEBUG=client "$program" 2>"$log" &
pid=$!
for _ in $(seq 100); do
    grep -q 'xdg_toplevel@[0-9]*\.set_title("Tervalo")' "$log" && break
    kill -0 $pid 2>/dev/null || fail "the program ended: $(grep -v '^\[' "$log" || true)"
    sleep 0.1
done
grep -q 'xdg_toplevel@[0-9]*\.set_title("Tervalo")' "$log" || fail "no menu window on Wayland"
echo "menu window shown on Wayland"
sleep 1
kill -0 $pid 2>/dev/null || fail "the program did not keep running"

kill -TERM $pid
wait $pid && status=0 || status=$?
pid=
[ "$status" = $((128 + 15)) ] || fail "the program ended with status $status, not by the signal"
errors=$(grep -v '^\[' "$log" || true)
[ -z "$errors" ] || fail "the program said: $errors"
echo "program ended on SIGTERM with nothing on its error output"
