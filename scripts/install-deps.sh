#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Does nothing when all of them are present; uses sudo when not root.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    libsdl2-dev libgl1-mesa-dev libglu1-mesa-dev libosmesa6-dev libgl1-mesa-dri
    libfreetype-dev fonts-liberation libpng-dev libwebp-dev libx11-dev
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xdotool x11-utils openbox python3 python3-xlib
    help2man desktop-file-utils appstream dpkg-dev file
    g++-mingw-w64-x86-64-posix wine wine64
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}" >&2
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
