#!/usr/bin/env bash
# The screen shows exactly the saver's picture although only the changed rectangles of each
# frame are sent to it: on a virtual X server with a picture on the desktop, the saver runs some
# frames, stops presenting and writes its back buffer; a screenshot must match it byte for byte.
# Usage: scripts/check-screen-under-xvfb.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/virtual-display.sh
build=${1:-build}
work=$(mktemp -d)
xvfb=
saver=
cleanup() {
    [ -n "$saver" ] && kill "$saver" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

start_virtual_display 800x600
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run PLUVO_REPORT=stderr
mkdir -p "$XDG_RUNTIME_DIR"
hsetroot -fill docs/rain-storm-1280x720.png >/dev/null

"$build/tools/pluvo-config" reset >/dev/null
PLUVO_CHECK_FRAMES=60 PLUVO_CHECK_OUTPUT=$work/back.ppm "$build/src/app/pluvo" /s \
    >"$work/saver.log" 2>&1 &
saver=$!
for _ in $(seq 200); do
    [ -s "$work/back.ppm" ] && break
    kill -0 "$saver" 2>/dev/null || { echo "FAIL: the saver ended"; cat "$work/saver.log"; exit 1; }
    sleep 0.1
done
[ -s "$work/back.ppm" ] || { echo "FAIL: the saver wrote no picture"; exit 1; }
sleep 0.5 # the file is written after the last rectangles were sent; let the server draw them
xwd -root -silent >"$work/screen.xwd"
convert "$work/screen.xwd" -depth 8 rgb:"$work/screen.rgb"
convert "$work/back.ppm" -depth 8 rgb:"$work/back.rgb"
if ! cmp -s "$work/screen.rgb" "$work/back.rgb"; then
    differing=$(cmp -l "$work/screen.rgb" "$work/back.rgb" | wc -l || true)
    echo "FAIL: the screen differs from the saver's picture in $differing bytes"
    exit 1
fi
if cmp -s "$work/screen.rgb" <(convert docs/rain-storm-1280x720.png -resize 800x600! -depth 8 rgb:-); then
    echo "FAIL: no rain reached the screen"
    exit 1
fi
echo "The screen matched the saver's picture byte for byte after 60 frames."
