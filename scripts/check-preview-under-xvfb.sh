#!/usr/bin/env bash
# The preview on a virtual X server: started with the id of another program's window, it draws
# rain over the top-left corner of the screen into a child window of that window, and ends with
# status 0 when that window is destroyed. A window id that names no window fails with status 1
# and the reason on standard error. Resized, the window gets rain over a new corner at its new
# size. Usage: scripts/check-preview-under-xvfb.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/virtual-display.sh
build=${1:-build}
work=$(mktemp -d)
xvfb=
parent=
preview=
cleanup() {
    [ -n "$preview" ] && kill "$preview" 2>/dev/null || true
    [ -n "$parent" ] && kill "$parent" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

start_virtual_display 800x600
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run PLUVO_REPORT=stderr
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
hsetroot -fill docs/rain-storm-1280x720.png >/dev/null
"$build/tools/pluvo-config" reset >/dev/null

# The parent lies away from the corner that the preview shows.
"$build/tools/foreign-window" 320 240 400 300 >"$work/parent.id" &
parent=$!
for _ in $(seq 50); do [ -s "$work/parent.id" ] && break; sleep 0.1; done
id=$(cat "$work/parent.id")
[ -n "$id" ] || { echo "FAIL: no foreign window"; exit 1; }
xwd -root -silent >"$work/before.xwd"

"$build/src/app/pluvo" /p "$id" >"$work/preview.log" 2>&1 &
preview=$!
sleep 3
if ! kill -0 "$preview" 2>/dev/null; then
    echo "FAIL: the preview ended by itself"; cat "$work/preview.log"; exit 1
fi
xwininfo -children -id "$id" | grep -q "1 child:" || { echo "FAIL: no child window"; exit 1; }

convert "$work/before.xwd" -crop 320x240+0+0 +repage -depth 8 rgb:"$work/corner.rgb"
total=$(stat -c %s "$work/corner.rgb")
# The rain starts light; a few seconds more bring the first drops to any machine.
differing=0
for _ in $(seq 10); do
    xwd -id "$id" -silent >"$work/preview.xwd"
    convert "$work/preview.xwd" -depth 8 rgb:"$work/preview.rgb"
    differing=$(cmp -l "$work/preview.rgb" "$work/corner.rgb" | wc -l || true)
    [ "$differing" -gt 0 ] && break
    sleep 1
done
# Rain changes part of the picture; the rest is the screen's corner, unscaled.
if [ "$differing" -eq 0 ]; then
    echo "FAIL: the preview shows no rain"; exit 1
fi
if [ "$differing" -gt $((total / 2)) ]; then
    echo "FAIL: the preview does not show the screen's corner ($differing of $total bytes differ)"
    exit 1
fi

size_of() { # window
    xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'
}

# The user makes the window larger: the preview follows with rain over the new corner.
xdotool windowsize "$id" 380 280
child=$(xwininfo -children -id "$id" | awk '/^ +0x/ { print $1; exit }')
convert "$work/before.xwd" -crop 380x280+0+0 +repage -depth 8 rgb:"$work/corner.rgb"
total=$((380 * 280 * 3))
resized=0
for _ in $(seq 20); do
    sleep 0.5
    [ "$(size_of "$child")" = 380x280 ] || continue
    xwd -id "$id" -silent | convert xwd:- -depth 8 rgb:"$work/preview.rgb"
    resized=$(cmp -l "$work/preview.rgb" "$work/corner.rgb" | wc -l || true)
    [ "$resized" -gt 0 ] && [ "$resized" -le $((total / 2)) ] && break
done
if [ "$resized" -eq 0 ] || [ "$resized" -gt $((total / 2)) ]; then
    echo "FAIL: after a resize the preview shows no rain over the new corner ($resized of $total bytes differ)"
    cat "$work/preview.log"
    exit 1
fi

kill "$parent"
wait "$parent" || true
parent=
for _ in $(seq 50); do kill -0 "$preview" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$preview" 2>/dev/null; then
    echo "FAIL: the preview outlived its parent window"; exit 1
fi
status=0
wait "$preview" || status=$?
preview=
[ "$status" -eq 0 ] || { echo "FAIL: exit status $status"; cat "$work/preview.log"; exit 1; }

# The message box stays until the user answers it.
PLUVO_REPORT= "$build/src/app/pluvo" /p 4711 >"$work/missing.log" 2>&1 &
preview=$!
box=
for _ in $(seq 50); do
    box=$(xdotool search --name "^Pluvo Screen Saver 2.2.17\$" 2>/dev/null | head -1 || true)
    [ -n "$box" ] && break
    sleep 0.1
done
[ -n "$box" ] || { echo "FAIL: no message box"; cat "$work/missing.log"; exit 1; }
sleep 0.5
kill -0 "$preview" 2>/dev/null || { echo "FAIL: the message box did not wait"; exit 1; }
xdotool windowfocus --sync "$box" key Return
for _ in $(seq 50); do kill -0 "$preview" 2>/dev/null || break; sleep 0.1; done
kill -0 "$preview" 2>/dev/null && { echo "FAIL: the message box did not close"; exit 1; }
status=0
wait "$preview" || status=$?
preview=
[ "$status" -eq 1 ] || { echo "FAIL: a missing window gave status $status"; exit 1; }
grep -q "Sorry: The preview cannot be shown" "$work/missing.log" ||
    { echo "FAIL: no reason given"; cat "$work/missing.log"; exit 1; }
echo "The preview drew rain ($differing bytes changed), followed its window to 380x280" \
    "($resized of $total bytes changed) and ended with its parent window;"
echo "a missing window gave a message box and status 1."
