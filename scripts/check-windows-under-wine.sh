#!/usr/bin/env bash
# pluvo.scr under Wine on a virtual X server of 1280x720 with a picture on the desktop: the saver
# runs full screen over the desktop, the screen shows exactly the picture it presented after 60
# frames, the rain moves, a key ends it with status 0 and gives the desktop back, a fault inside a
# frame gives the detailed report with the registers on standard error and status 1, and the
# preview runs in another program's window until that window goes. Wine draws no child window of
# another process's window, so what the preview draws is checked by its tests in one process.
# Installs Wine when missing; where it cannot be installed, ends with status 77 and says why.
# Usage: scripts/check-windows-under-wine.sh [WINDOWS_BUILD_DIR], build-win32/ unless given.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-windows-deps.sh wine
source scripts/virtual-display.sh
build=$(realpath "${1:-build-win32}")
work=$(mktemp -d)
xvfb=
saver=
cleanup() {
    [ -n "$saver" ] && kill "$saver" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A prefix and a home of the check's own; ALSA's null device stands in for a sound card.
export WINEPREFIX=$work/prefix PLUVO_WINEPREFIX=$work/prefix HOME=$work/home PLUVO_REPORT=stderr
mkdir -p "$HOME"
echo 'pcm.!default { type null }' >"$HOME/.asoundrc"

start_virtual_display 1280x720
scripts/wine-run.sh "$build/tools/pluvo-config.exe" ensure >/dev/null
# One server for the whole check, which ends with it: Wine's server ends a few seconds after its
# last program, and a program starting just then would lose its connection. Wine's services,
# started by the first program after it, keep that program's output open as long as they live.
wineserver -w
wineserver -p
scripts/wine-run.sh "$build/tools/pluvo-config.exe" show >/dev/null 2>&1 </dev/null || true
hsetroot -fill docs/rain-storm-1280x720.png >/dev/null
xwd -root -silent | convert xwd:- -depth 8 rgb:"$work/desktop.rgb"
# Keys reach the window only while the pointer is over it, and moving the pointer later would
# end the saver: it goes to its place first.
xdotool mousemove 640 360

screen() {
    xwd -root -silent | convert xwd:- -depth 8 rgb:"$1"
}

# wait_for FILE SECONDS: until the saver wrote FILE, failing when it ended before.
wait_for() {
    for _ in $(seq $(($2 * 10))); do
        [ -s "$1" ] && return 0
        kill -0 "$saver" 2>/dev/null || { echo "FAIL: the saver ended"; cat "$work/saver.log"; exit 1; }
        sleep 0.1
    done
    echo "FAIL: the saver wrote no $1"
    cat "$work/saver.log"
    exit 1
}

PLUVO_CHECK_FRAMES=60 PLUVO_CHECK_OUTPUT=$work/back.ppm \
    scripts/wine-run.sh "$build/pluvo.scr" /s >"$work/saver.log" 2>&1 &
saver=$!
wait_for "$work/back.ppm" 60
sleep 1 # the file is written after the last rectangles were sent; let the server draw them
screen "$work/screen.rgb"
convert "$work/back.ppm" -depth 8 rgb:"$work/back.rgb"
if ! cmp -s "$work/screen.rgb" "$work/back.rgb"; then
    differing=$(cmp -l "$work/screen.rgb" "$work/back.rgb" | wc -l || true)
    echo "FAIL: the screen differs from the saver's picture in $differing bytes"
    exit 1
fi
if cmp -s "$work/screen.rgb" "$work/desktop.rgb"; then
    echo "FAIL: no rain reached the screen"
    exit 1
fi
kill "$saver" 2>/dev/null || true
wait "$saver" 2>/dev/null || true
# The Windows program outlives the Linux process that started it; ending the server ends it.
wineserver -k 2>/dev/null || true
wineserver -w
wineserver -p
scripts/wine-run.sh "$build/tools/pluvo-config.exe" show >/dev/null 2>&1 </dev/null || true

scripts/wine-run.sh "$build/pluvo.scr" /s >"$work/saver.log" 2>&1 &
saver=$!
sleep 8
screen "$work/first.rgb"
sleep 1
screen "$work/second.rgb"
if cmp -s "$work/first.rgb" "$work/second.rgb"; then
    echo "FAIL: the rain did not move in a second"
    exit 1
fi
xdotool key space
status=0
for _ in $(seq 100); do
    kill -0 "$saver" 2>/dev/null || break
    sleep 0.1
done
wait "$saver" || status=$?
saver=
if [ "$status" -ne 0 ]; then
    echo "FAIL: a key ended the saver with status $status"
    cat "$work/saver.log"
    exit 1
fi
sleep 0.5
screen "$work/after.rgb"
if ! cmp -s "$work/after.rgb" "$work/desktop.rgb"; then
    differing=$(cmp -l "$work/after.rgb" "$work/desktop.rgb" | wc -l || true)
    echo "FAIL: the desktop did not come back: $differing bytes differ"
    exit 1
fi

status=0
PLUVO_CHECK_FAULT_FRAMES=20 timeout 60 scripts/wine-run.sh "$build/pluvo.scr" /s \
    >"$work/fault.log" 2>&1 || status=$?
if [ "$status" -ne 1 ] || ! grep -q "^Exception ACCESS_VIOLATION (0xC0000005) at address" \
    "$work/fault.log" || ! grep -q "^EBP: [0-9A-F]\{8\} ESP: [0-9A-F]\{8\} EIP: [0-9A-F]\{8\}" \
    "$work/fault.log"; then
    echo "FAIL: a fault in a frame gave status $status and no report with the registers:"
    cat "$work/fault.log"
    exit 1
fi
scripts/wine-run.sh "$build/tools/preview-host/preview-host.exe" 100 100 152 112 6 \
    >"$work/host.log" 2>&1 &
host=$!
for _ in $(seq 100); do
    [ -s "$work/host.log" ] && break
    sleep 0.1
done
window=$(head -n 1 "$work/host.log" | tr -d '\r')
status=0
timeout 30 scripts/wine-run.sh "$build/pluvo.scr" /p "$window" >"$work/preview.log" 2>&1 ||
    status=$?
wait "$host" || true
if [ "$status" -ne 0 ] || [ -s "$work/preview.log" ]; then
    echo "FAIL: the preview in window $window ended with status $status:"
    cat "$work/preview.log"
    exit 1
fi
echo "pluvo.scr ran under Wine: its picture reached the screen byte for byte, the rain moved," \
    "a key ended it with the desktop back, a fault gave the report, and the preview ran until" \
    "its window went."
