#!/usr/bin/env bash
# ./build.sh run   installs what is missing, builds and starts TERVALO
# ./build.sh test  installs what is missing, builds and runs every test
set -euo pipefail
cd "$(dirname "$0")"

case "${1:-}" in
    run | test) ;;
    *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

./install-packages.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)"

if [ "$1" = run ]; then
    exec ./build/tervalo
fi
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
