#!/usr/bin/env bash
# Renders the application icons with the program's own recorder: a view up the
# pitch from behind a goal, zoomed in, at 64, 128 and 256 pixels. The results
# are committed under packaging/icons/; run again only to change them.
# Usage: scripts/make-icons.sh [BUILD_DIR]   (default: build)
set -euo pipefail

cd "$(dirname "$0")/.."
record="${1:-build}/tools/football-record"
[ -x "$record" ] || { echo "make-icons.sh: build first: $record is missing" >&2; exit 1; }

id=io.github.football_match.Football
frame=300
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for size in 64 128 256; do
    # Preset view 4 (behind the goal at the near end), the view narrowed (X)
    # to its tightest so the players stand out.
    "$record" "$frame" --out "$work/$size" --at "$frame" --size "${size}x${size}" \
        --view 4 --hold "0x58@1-$frame"
    mkdir -p "packaging/icons/${size}x${size}"
    mv "$work/$size/frame-$(printf %05d "$frame").png" "packaging/icons/${size}x${size}/$id.png"
done
echo "icons written to packaging/icons/"
