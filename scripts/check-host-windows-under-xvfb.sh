#!/usr/bin/env bash
# The saver in the windows of a screen-saver host, on a virtual X server: windows named in
# $XSCREENSAVER_WINDOW at once, as a daemon makes them for several monitors. All savers run (the
# single-instance lock does not stop the others) and draw rain over the desktop: two over the
# screenshot their window carries, the third, whose window carries none (as a daemon that grabs
# no screenshot leaves it, its own black window covering the screen), over the picture the
# desktop put on the root window; resized by its owner, a window gets rain at its new size. All
# end on SIGTERM (the time to end is printed). Without any
# desktop picture, a fourth falls over the picture built into the program, not over black.
# scripts/check-xscreensaver.sh runs the real daemon.
# Usage: scripts/check-host-windows-under-xvfb.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/virtual-display.sh
build=${1:-build}
work=$(mktemp -d)
xvfb=
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

start_virtual_display 800x600
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
export PLUVO_REPORT=stderr SDL_AUDIODRIVER=dummy
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
paint_desktop 800x600 7 "$work/desktop.xwd"

# Bytes of the window's picture that differ from the same part of the desktop picture.
differing_from_desktop() { # window x y width height
    xwd -id "$1" -silent | convert xwd:- -depth 8 rgb:"$work/window.rgb"
    convert "$work/desktop.xwd" -crop "$4x$5+$2+$3" +repage -depth 8 rgb:"$work/part.rgb"
    cmp -l "$work/window.rgb" "$work/part.rgb" | wc -l || true
}

geometries=("320 240 20 20" "400 300 380 280" "200 150 560 40")
kinds=(screenshot screenshot "")
windows=()
for index in 0 1 2; do
    read -r -a g <<<"${geometries[$index]}"
    "$build/tools/foreign-window" "${g[@]}" ${kinds[$index]} >"$work/window$index.id" &
    pids+=($!)
    for _ in $(seq 50); do [ -s "$work/window$index.id" ] && break; sleep 0.1; done
    windows+=("$(cat "$work/window$index.id")")
done
savers=()
for index in 0 1 2; do
    XSCREENSAVER_WINDOW=${windows[$index]} "$build/src/app/pluvo" -root --no-sound \
        >"$work/saver$index.log" 2>&1 &
    savers+=($!)
    pids+=($!)
done
for index in 0 1 2; do
    read -r -a g <<<"${geometries[$index]}"
    total=$((g[0] * g[1] * 3))
    differing=0
    for _ in $(seq 20); do
        kill -0 "${savers[$index]}" 2>/dev/null ||
            { echo "FAIL: saver $index ended by itself"; cat "$work/saver$index.log"; exit 1; }
        differing=$(differing_from_desktop "${windows[$index]}" "${g[2]}" "${g[3]}" "${g[0]}" "${g[1]}")
        # Black until the first frame, then the desktop with rain over it.
        [ "$differing" -gt 0 ] && [ "$differing" -le $((total / 2)) ] && break
        sleep 0.5
    done
    if [ "$differing" -eq 0 ]; then
        echo "FAIL: saver $index shows no rain"; exit 1
    fi
    # Rain over the desktop, not a black window or a picture of something else.
    if [ "$differing" -gt $((total / 2)) ]; then
        echo "FAIL: saver $index does not show the desktop ($differing of $total bytes differ)"
        exit 1
    fi
    echo "Saver $index: rain over the desktop under its window ($differing of $total bytes differ)"
done
# A daemon's preview pane enlarged by the user: the saver follows with rain over the desktop
# under the whole window (a scene left at the old size would leave a fifth of it black).
xdotool windowsize "${windows[0]}" 360 270
total=$((360 * 270 * 3))
resized=0
for _ in $(seq 20); do
    sleep 0.5
    resized=$(differing_from_desktop "${windows[0]}" 20 20 360 270)
    [ "$resized" -gt 0 ] && [ "$resized" -le $((total / 10)) ] && break
done
if [ "$resized" -eq 0 ] || [ "$resized" -gt $((total / 10)) ]; then
    echo "FAIL: enlarged to 360x270, saver 0 shows no rain over the desktop ($resized bytes differ)"
    cat "$work/saver0.log"
    exit 1
fi
echo "Saver 0 followed its window to 360x270 ($resized of $total bytes differ)"

started=$(date +%s%N)
kill -TERM "${savers[@]}"
for saver in "${savers[@]}"; do
    for _ in $(seq 200); do kill -0 "$saver" 2>/dev/null || break; sleep 0.01; done
done
ended=$(date +%s%N)
for saver in "${savers[@]}"; do
    kill -0 "$saver" 2>/dev/null && { echo "FAIL: a saver outlived SIGTERM by 2 s"; exit 1; }
    status=0
    wait "$saver" || status=$?
    [ "$status" -eq 0 ] || { echo "FAIL: a saver ended with status $status"; exit 1; }
done
echo "All savers ended $(((ended - started) / 1000000)) ms after SIGTERM"


# Where neither the daemon nor the desktop leaves a picture, nor any wallpaper is chosen, the rain
# falls over the picture the program carries, never over black.
xprop -root -remove _XROOTPMAP_ID
xprop -root -remove ESETROOT_PMAP_ID
"$build/tools/foreign-window" 320 240 100 100 >"$work/bare.id" &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/bare.id" ] && break; sleep 0.1; done
XSCREENSAVER_WINDOW=$(cat "$work/bare.id") "$build/src/app/pluvo" -root --no-sound \
    >"$work/bare.log" 2>&1 &
pids+=($!)
brightness=0
for _ in $(seq 20); do
    sleep 0.5
    brightness=$(xwd -id "$(cat "$work/bare.id")" -silent | convert xwd:- -format '%[fx:int(mean*255)]' info:)
    [ "$brightness" -gt 40 ] && break
done
[ "$brightness" -gt 40 ] ||
    { echo "FAIL: with no desktop picture the window stays dark ($brightness)"; cat "$work/bare.log"; exit 1; }
echo "With no desktop picture the rain fell over the built-in one (mean brightness $brightness)"
