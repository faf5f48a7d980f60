#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing TERVALO
# need, when any of them is missing.
set -euo pipefail

packages=(
    cmake g++ make pkg-config          # build
    qt6-base-dev qt6-qpa-plugins       # Qt 6 Widgets and its platform plugins
    qt6-wayland                        # ... on a desktop with no X11 at all
    libgtest-dev                       # unit tests
    libxcb1-dev                        # the start-up benchmark
    fonts-liberation fonts-urw-base35  # metric twins of the fonts the windows name
    xvfb xauth xdotool x11-utils       # the test on a real X display
    openbox                            # ... under a window manager
    weston                             # ... and in a Wayland session
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
