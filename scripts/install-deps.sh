#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need, make
# among them. Does nothing when all of them are present. Needs only apt-get
# (and dpkg, which comes with it): as root it runs apt-get itself, otherwise
# through sudo.
set -euo pipefail

packages=(
    make build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev
    libsdl2-dev libgl1-mesa-dev libglu1-mesa-dev libosmesa6-dev libgl1-mesa-dri libgles-dev
    libfreetype-dev fonts-liberation libpng-dev zlib1g-dev libwebp-dev libx11-dev libxrandr-dev
    libxcb1-dev
    # football-record's MP4 and WebM clips (the native build only)
    libavformat-dev libavcodec-dev libswscale-dev libswresample-dev
    # the tests; ffmpeg's ffprobe and ffmpeg look into those clips
    googletest libgtest-dev libgmock-dev libbenchmark-dev ffmpeg
    xvfb xdotool x11-utils openbox python3 python3-xlib
    help2man desktop-file-utils appstream dpkg-dev file
    g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine wine64 nsis
    emscripten chromium
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}" >&2
as_root=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null 2>&1; then
        echo "install-deps: installing packages needs root: run this as root, or install sudo" >&2
        exit 1
    fi
    as_root=(sudo)
fi
# env carries the setting through sudo, which clears the environment.
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
