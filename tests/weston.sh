# Sourced by the tests that need a Wayland session: start_weston starts a
# headless Weston on a socket of its own in a fresh runtime folder, waits
# for it, and exports what a client of that session sees; stop_weston ends
# it and removes the folder.
start_weston() {
    XDG_RUNTIME_DIR=$(mktemp -d "${TMPDIR:-/tmp}/tervalo-wayland.XXXXXX")
    chmod 700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR
    export WAYLAND_DISPLAY=tervalo-test XDG_SESSION_TYPE=wayland
    weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --width=1024 --height=768 --idle-time=0 \
        >"$XDG_RUNTIME_DIR/weston.log" 2>&1 &
    weston_pid=$!
    for _ in $(seq 100); do
        [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && return 0
        kill -0 "$weston_pid" 2>/dev/null || break
        sleep 0.1
    done
    cat "$XDG_RUNTIME_DIR/weston.log" >&2
    echo "FAIL: weston did not start" >&2
    exit 1
}

stop_weston() {
    kill "$weston_pid" 2>/dev/null || true
    rm -rf "$XDG_RUNTIME_DIR"
}
