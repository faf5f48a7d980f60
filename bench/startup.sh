#!/usr/bin/env bash
# Times start to first window mapped, for the program and for a bare Qt
# 640 x 480 frameless window, in one run on one Xvfb display.
#   bench/startup.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build}
runs=${2:-30}
exec xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    "$1/bench/map_timer" "$2" "$1/tervalo"
    "$1/bench/map_timer" "$2" "$1/bench/bare_window"
' timing "$build" "$runs"
