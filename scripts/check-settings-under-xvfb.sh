#!/usr/bin/env bash
# End-to-end check of the settings dialog on a virtual X server: `pluvo /c` opens it, one option
# is changed through real mouse and keyboard events, OK closes it, and the stored settings then
# differ in exactly that option. Usage: scripts/check-settings-under-xvfb.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/virtual-display.sh
build=${1:-build}
work=$(mktemp -d)
cleanup() {
    [ -n "${settings:-}" ] && kill "$settings" 2>/dev/null || true
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

start_virtual_display 1024x768
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
export PLUVO_REPORT=stderr QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

# Settings of the user's own, so that the machine's (an installed package's) play no part.
"$build/tools/pluvo-config" reset >/dev/null
"$build/tools/pluvo-config" show >"$work/before.txt"

# In English, whatever this machine's language: the keys below are the English mnemonics.
env -u LC_ALL -u LC_MESSAGES LANG=en_US.UTF-8 "$build/src/app/pluvo" /c >"$work/settings.log" 2>&1 &
settings=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name "Pluvo Screen Saver" | head -1)
[ -n "$window" ] || { echo "FAIL: the settings did not open"; cat "$work/settings.log"; exit 1; }
sleep 1
xdotool windowfocus --sync "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"
# The Drops tab is the second one, near the top left; Alt+G is its ramp-up check box.
xdotool mousemove --sync $((X + 100)) $((Y + 24)) click 1
sleep 0.5
xdotool key alt+g
sleep 0.5
xdotool key Return
for _ in $(seq 100); do kill -0 "$settings" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$settings" 2>/dev/null; then
    echo "FAIL: OK did not close the settings"; exit 1
fi
status=0
wait "$settings" || status=$?
settings=
[ "$status" -eq 0 ] || { echo "FAIL: exit code $status"; cat "$work/settings.log"; exit 1; }

"$build/tools/pluvo-config" show >"$work/after.txt"
diff "$work/before.txt" "$work/after.txt" >"$work/changes.txt" || true
if [ "$(grep -c '^[<>]' "$work/changes.txt")" -ne 2 ] || ! grep -q '^> densityRampUp = no' "$work/changes.txt"; then
    echo "FAIL: the stored settings should differ in the ramp-up only:"
    cat "$work/changes.txt"
    exit 1
fi
echo "The settings opened under Xvfb; a click and a key changed the ramp-up, and OK stored it."
