#!/usr/bin/env bash
# End-to-end check of the settings dialog on a virtual X server: `pluvo /c` opens it, one option
# is changed through real mouse and keyboard events, OK closes it, and the stored settings then
# differ in exactly that option. Then the Display page lists the mode the server offers; choosing
# it with the keyboard and OK stores it as the saver's mode, and a dialog closed with Escape
# leaves the stored value byte for byte as it was. Opened for another program's window (/c:ID)
# they are its modal transient, centred on it. Without an X server, also when Qt is told to use
# X, the settings end with status 1 and say why.
# Usage: scripts/check-settings-under-xvfb.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/virtual-display.sh
build=${1:-build}
work=$(mktemp -d)
settings=
caller=
cleanup() {
    [ -n "$settings" ] && kill "$settings" 2>/dev/null || true
    [ -n "$caller" ] && kill "$caller" 2>/dev/null || true
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

start_virtual_display 1024x768
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
export PLUVO_REPORT=stderr QT_QPA_PLATFORM=xcb
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
value="$XDG_CONFIG_HOME/Software/Quorvel/Pluvo Screen Saver/Configuration"

# Opens the settings (with the word given, /c by default) and focuses them; sets window, X, Y,
# WIDTH and HEIGHT.
open_settings() {
    # In English, whatever this machine's language: the keys below are the English mnemonics.
    env -u LC_ALL -u LC_MESSAGES LANG=en_US.UTF-8 "$build/src/app/pluvo" "${1:-/c}" \
        >"$work/settings.log" 2>&1 &
    settings=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --name "Pluvo Screen Saver" | head -1)
    [ -n "$window" ] || { echo "FAIL: the settings did not open"; cat "$work/settings.log"; exit 1; }
    sleep 1
    xdotool windowfocus --sync "$window"
    eval "$(xdotool getwindowgeometry --shell "$window")"
}

# Presses KEY (Return for OK, Escape for Cancel) and waits for the settings to end well.
close_settings() {
    xdotool key "$1"
    for _ in $(seq 100); do kill -0 "$settings" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$settings" 2>/dev/null; then
        echo "FAIL: $1 did not close the settings"; exit 1
    fi
    local status=0
    wait "$settings" || status=$?
    settings=
    [ "$status" -eq 0 ] || { echo "FAIL: exit code $status"; cat "$work/settings.log"; exit 1; }
    # No sound card here: the Sound page says so, the terminal need not.
    if [ "$(wc -l <"$work/settings.log")" -gt 1 ]; then
        echo "FAIL: the settings wrote more than a line to standard error:"
        cat "$work/settings.log"
        exit 1
    fi
}

# Settings of the user's own, so that the machine's (an installed package's) play no part.
"$build/tools/pluvo-config" reset >/dev/null

# Told to use X where there is none, the settings say so instead of letting Qt abort.
status=0
env -u DISPLAY QT_QPA_PLATFORM=xcb "$build/src/app/pluvo" /c >"$work/nodisplay.log" 2>&1 ||
    status=$?
if [ "$status" -ne 1 ] || ! grep -q "needs a graphical display" "$work/nodisplay.log"; then
    echo "FAIL: without an X server pluvo /c gave status $status:"; cat "$work/nodisplay.log"; exit 1
fi
"$build/tools/pluvo-config" show >"$work/before.txt"

open_settings
# The Drops tab is the second one, near the top left; Alt+G is its ramp-up check box.
xdotool mousemove --sync $((X + 100)) $((Y + 24)) click 1
sleep 0.5
xdotool key alt+g
sleep 0.5
close_settings Return

"$build/tools/pluvo-config" show >"$work/after.txt"
diff "$work/before.txt" "$work/after.txt" >"$work/changes.txt" || true
if [ "$(grep -c '^[<>]' "$work/changes.txt")" -ne 2 ] || ! grep -q '^> densityRampUp = no' "$work/changes.txt"; then
    echo "FAIL: the stored settings should differ in the ramp-up only:"
    cat "$work/changes.txt"
    exit 1
fi
echo "The settings opened under Xvfb; a click and a key changed the ramp-up, and OK stored it."

# The Display tab is the fourth: Alt+S takes the listed mode, Tab the list, Down its first mode.
open_settings
xdotool key ctrl+Tab ctrl+Tab ctrl+Tab
# One key at a time: each must reach the widget the one before gave the focus to.
for key in alt+s Tab Down; do
    sleep 0.3
    xdotool key "$key"
done
sleep 0.3
close_settings Return
"$build/tools/pluvo-config" show >"$work/mode.txt"
mode=$(sed -n 's/^displayMode = //p' "$work/mode.txt")
if [ "$mode" != "1024x768 True Color (32 bit)" ]; then
    echo "FAIL: the mode the server offers was not stored: displayMode = $mode"; exit 1
fi
cp "$value" "$work/chosen.value"
open_settings
close_settings Escape
cmp -s "$value" "$work/chosen.value" || { echo "FAIL: Cancel changed the stored mode"; exit 1; }
echo "The Display page listed $mode; OK stored it, and Cancel left it byte for byte."

# Asked for by another program's window (/c:ID), the settings are its modal transient, centred
# on it; an id that names no window costs one line on standard error and nothing else.
"$build/tools/foreign-window" 300 200 350 280 >"$work/caller.id" &
caller=$!
for _ in $(seq 50); do [ -s "$work/caller.id" ] && break; sleep 0.1; done
caller_id=$(cat "$work/caller.id")
open_settings "/c:$caller_id"
transient=$(xprop -id "$window" WM_TRANSIENT_FOR | sed -n 's/.*window id # //p')
[ "$((transient))" -eq "$caller_id" ] || { echo "FAIL: not transient for the caller: $transient"; exit 1; }
xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_MODAL || { echo "FAIL: not modal"; exit 1; }
if [ $((X + WIDTH / 2 - 500)) -gt 1 ] || [ $((X + WIDTH / 2 - 500)) -lt -1 ] ||
    [ $((Y + HEIGHT / 2 - 380)) -gt 1 ] || [ $((Y + HEIGHT / 2 - 380)) -lt -1 ]; then
    echo "FAIL: the settings at $X,$Y (${WIDTH}x$HEIGHT) are not centred on their caller"; exit 1
fi
close_settings Escape
kill "$caller"
caller=
open_settings /c:4711
grep -q "there is no window 4711" "$work/settings.log" || { echo "FAIL: nothing said of 4711"; exit 1; }
close_settings Escape
echo "Over another program's window the settings were its modal transient, centred on it."
