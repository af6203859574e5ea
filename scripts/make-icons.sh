#!/usr/bin/env bash
# Renders the application icons with the program's own recorder: a close view
# of the player who kicks off, with the ball at his feet, at 64, 128 and 256
# pixels. The results are committed under packaging/icons/, and the 64-pixel
# one is built into the program as its window icon; run again only to change
# them.
# Usage: scripts/make-icons.sh [BUILD_DIR]   (default: build)
set -euo pipefail

cd "$(dirname "$0")/.."
record="${1:-build}/tools/football-record"
[ -x "$record" ] || { echo "make-icons.sh: build first: $record is missing" >&2; exit 1; }

id=io.github.football_match.Football
# Nothing moves before the first tick (frame 102): the camera flies in from
# its start over the still kick-off, 0.7 a frame.
frame=101
camera=(
    --hold "0x4F@1-100"  # O: forward, from lengthwise -25 to just short of the centre spot
    --hold "0x4E@1-26"   # N: down to the lowest eye height
    --hold "0x55@1-15"   # U: tilt up to level
    --hold "0x58@1-10"   # X: narrow the view a little
    --hold "0x4A@1-2"    # J: a step aside, the player in the middle
)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for size in 64 128 256; do
    "$record" "$frame" --out "$work/$size" --at "$frame" --size "${size}x${size}" "${camera[@]}"
    mkdir -p "packaging/icons/${size}x${size}"
    mv "$work/$size/frame-$(printf %05d "$frame").png" "packaging/icons/${size}x${size}/$id.png"
done
echo "icons written to packaging/icons/"
