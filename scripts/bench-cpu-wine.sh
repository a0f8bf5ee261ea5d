#!/usr/bin/env bash
# Processor time of the full-screen saver built for Windows, run under Wine, beside the Linux
# build on the same virtual X server: a benchmark of what Wine adds, not a goal, since Wine
# carries DirectDraw out with OpenGL (in software where there is no graphics processor).
#
#   scripts/bench-cpu-wine.sh [SECONDS] [WARM_UP]   (default 20 s after 40 s of ramp-up)
#
# For each program: a fresh Xvfb of 1280x720 with a picture on its root window, the saver
# started over it with the default settings, and after WARM_UP seconds the processor time of its
# process (all its threads) and of the X server measured over SECONDS. Under Wine the figure is
# given for Wine's default OpenGL renderer and for its GDI renderer, with the Windows program's
# busiest threads. Needs build/ and build-win32/ built, and Wine, which it installs when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-windows-deps.sh wine
source scripts/virtual-display.sh
seconds=${1:-20}
warm_up=${2:-40}
picture=docs/rain-storm-1280x720.png
work=$(mktemp -d)
xvfb=
program=
cleanup() {
    [ -n "$program" ] && kill "$program" 2>/dev/null || true
    WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
ticks_per_second=$(getconf CLK_TCK)

# User plus system time, in clock ticks, of a process or of one of its threads.
cpu_ticks() {
    awk '{ print $14 + $15 }' "$1/stat"
}

percent() {
    awk -v t="$1" -v s="$seconds" -v k="$ticks_per_second" 'BEGIN { printf "%.1f", 100 * t / k / s }'
}

start_x_server() {
    start_virtual_display 1280x720
    hsetroot -fill "$picture" >/dev/null
    xdotool mousemove 640 360
}

stop_x_server() {
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    xvfb=
}

# measure NAME PID_COMMAND: PID_COMMAND prints the measured process's id once it runs.
measure() {
    local name=$1 pid
    shift
    sleep "$warm_up"
    pid=$("$@")
    local before=() after=() threads=()
    for task in /proc/"$pid"/task/*; do
        threads+=("$task")
        before+=("$(cpu_ticks "$task")")
    done
    local x0 x1 p0 p1
    p0=$(cpu_ticks "/proc/$pid")
    x0=$(cpu_ticks "/proc/$xvfb")
    sleep "$seconds"
    p1=$(cpu_ticks "/proc/$pid")
    x1=$(cpu_ticks "/proc/$xvfb")
    echo "$name: the program $(percent $((p1 - p0)))% of one core, the X server" \
        "$(percent $((x1 - x0)))%"
    for i in "${!threads[@]}"; do
        if [ -r "${threads[$i]}/stat" ]; then
            local used=$(($(cpu_ticks "${threads[$i]}") - before[i]))
            [ "$used" -gt $((ticks_per_second * seconds / 100)) ] &&
                echo "    thread $(cat "${threads[$i]}/comm"): $(percent "$used")%"
        fi
    done
    return 0
}

export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_RUNTIME_DIR"
build/tools/pluvo-config reset >/dev/null
start_x_server
build/src/app/pluvo /s >/dev/null 2>&1 &
program=$!
measure "Linux" echo "$program"
kill "$program"
wait "$program" 2>/dev/null || true
program=
stop_x_server

export WINEPREFIX=$work/prefix PLUVO_WINEPREFIX=$work/prefix HOME=$work/home
mkdir -p "$HOME"
echo 'pcm.!default { type null }' >"$HOME/.asoundrc"
windows_pid() {
    pgrep -f 'pluvo.scr /s' | tail -n 1
}
for renderer in gl gdi; do
    start_x_server
    scripts/wine-run.sh build-win32/tools/pluvo-config.exe ensure >/dev/null
    WINEDEBUG=-all wine reg add 'HKCU\Software\Wine\Direct3D' /v renderer /t REG_SZ /d "$renderer" \
        /f >/dev/null 2>&1
    wineserver -w
    scripts/wine-run.sh build-win32/pluvo.scr /s >/dev/null 2>&1 &
    program=$!
    measure "Wine, $renderer renderer" windows_pid
    wineserver -k 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    program=
    stop_x_server
done
