#!/usr/bin/env bash
# Every way the full-screen saver can end gives the display back: on a virtual X server the
# saver is started, checked to hold the keyboard and hide the cursor, ended one way, and then
# the keyboard must be free for another client, the cursor visible and the saver's window gone.
# Prints a table of the ways out. Usage: scripts/check-ways-out-under-xvfb.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/virtual-display.sh
build=${1:-build}
work=$(mktemp -d)
xvfb=
saver=
cleanup() {
    [ -n "$saver" ] && kill -KILL "$saver" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

start_virtual_display 800x600
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
export PLUVO_REPORT=stderr SDL_AUDIODRIVER=dummy
mkdir -p "$XDG_RUNTIME_DIR"
"$build/tools/pluvo-config" reset >/dev/null
probe="$build/tools/display-probe"

saver_window() {
    xwininfo -root -tree | awk '/"Pluvo Screen Saver"/ { print $1; exit }'
}

start_saver() {
    xdotool mousemove 400 300
    "$build/src/app/pluvo" /s >"$work/saver.log" 2>&1 &
    saver=$!
    for _ in $(seq 100); do
        [ -n "$(saver_window)" ] && break
        sleep 0.05
    done
    sleep 1
    [ -n "$(saver_window)" ] || { echo "FAIL: no saver window"; cat "$work/saver.log"; exit 1; }
    local held
    held=$("$probe" | tr '\n' ' ')
    [ "$held" = "keyboard grabbed cursor hidden " ] ||
        { echo "FAIL: the running saver shows: $held"; exit 1; }
}

# Waits up to 5 s for the saver to end; sets status to its exit status, or to "running".
wait_for_end() {
    status=running
    for _ in $(seq 100); do
        if ! kill -0 "$saver" 2>/dev/null; then
            status=0
            wait "$saver" 2>/dev/null || status=$?
            saver=
            return
        fi
        sleep 0.05
    done
}

send_signal() {
    kill -"$1" "$saver"
}

# The saver was started with PLUVO_CHECK_FAULT_FRAMES: its frame faults by itself, and the
# report must name the fault.
await_fault_in_frame() {
    # The first frames present little while the rain begins.
    wait_for_end
    [ "$status" = running ] && wait_for_end
    grep -q "ACCESS_VIOLATION" "$work/saver.log" ||
        { echo "FAIL: no fault report"; cat "$work/saver.log"; exit 1; }
}

close_x_connection() {
    xkill -id "$(saver_window)" >/dev/null
}

failures=0
check_way_out() {
    local way=$1
    shift
    status=running
    start_saver
    "$@"
    [ "$status" = running ] && wait_for_end
    local after window
    after=$("$probe" | tr '\n' ' ')
    window=$([ -n "$(saver_window)" ] && echo "stays" || echo "gone")
    local verdict=ok
    if [ "$status" = running ] || [ "$after" != "keyboard free cursor visible " ] ||
        [ "$window" != gone ]; then
        verdict=FAIL
        failures=$((failures + 1))
        [ "$status" = running ] && kill -KILL "$saver" 2>/dev/null && saver=
    fi
    printf '%-26s %-8s %-26s %-7s %s\n' "$way" "$status" "$after" "$window" "$verdict"
}

printf '%-26s %-8s %-26s %-7s %s\n' "way out" status "afterwards" window verdict
check_way_out "key press" xdotool key space
check_way_out "mouse move" xdotool mousemove_relative 200 150
check_way_out "SIGTERM" send_signal TERM
check_way_out "SIGINT" send_signal INT
check_way_out "SIGHUP" send_signal HUP
check_way_out "SIGKILL" send_signal KILL
check_way_out "SIGSEGV from outside" send_signal SEGV
check_way_out "X connection closed" close_x_connection
# Some 30 frames after the start-up checks have seen the saver hold the display.
export PLUVO_CHECK_FAULT_FRAMES=60
check_way_out "fault inside a frame" await_fault_in_frame
unset PLUVO_CHECK_FAULT_FRAMES

if ((failures > 0)); then
    echo "FAIL: $failures ways out left the display taken"
    exit 1
fi
echo "Every way out gave the keyboard, the cursor and the screen back."
