#!/usr/bin/env bash
# Processor time of the full-screen saver beside XScreenSaver's `ripples`, which also animates
# water over a picture of the desktop, on the same virtual X server.
#
#   scripts/bench-cpu.sh [WIDTHxHEIGHT] [SECONDS] [WARM_UP]   (default 1920x1080, 20 s, 2 s)
#
# For each program: a fresh Xvfb of that size with a picture on its root window, the program
# started over it, and after WARM_UP seconds its processor time and the X server's measured over
# SECONDS from /proc. The saver's rain takes about 25 s to reach full strength with the default
# settings; a warm-up of 40 s measures the steady state.
# Prints both shares of one core, their ratio, the saver's frames presented per second and its
# peak resident memory. BUILD_DIR (default build) names the build tree to take the saver from.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/virtual-display.sh
size=${1:-1920x1080}
seconds=${2:-20}
warm_up=${3:-2}
build=${BUILD_DIR:-build}
peer=/usr/libexec/xscreensaver/ripples
picture=docs/rain-storm-1280x720.png

PLUVO_EXTRA_PACKAGES="xscreensaver-data-extra" scripts/install-deps.sh
[ -x "$build/src/app/pluvo" ] || scripts/build.sh "$build"

work=$(mktemp -d)
xvfb=
program=
cleanup() {
    [ -n "$program" ] && kill "$program" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

ticks_per_second=$(getconf CLK_TCK)

# User plus system time of a process, in clock ticks.
cpu_ticks() {
    awk '{ print $14 + $15 }' "/proc/$1/stat"
}

start_x_server() {
    start_virtual_display "$size"
    hsetroot -fill "$picture" >/dev/null
}

stop_x_server() {
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
    xvfb=
}

# Runs a command over the X server for the measured time; sets cpu, xcpu (percent of one core)
# and peak (peak resident memory in MB, from the program's own process).
measure() {
    start_x_server
    "$@" >"$work/program.log" 2>&1 &
    program=$!
    sleep "$warm_up" # start-up is not what is measured
    local cpu0 x0 cpu1 x1
    cpu0=$(cpu_ticks "$program")
    x0=$(cpu_ticks "$xvfb")
    sleep "$seconds"
    cpu1=$(cpu_ticks "$program")
    x1=$(cpu_ticks "$xvfb")
    peak=$(awk '/VmHWM/ { printf "%.1f", $2 / 1024 }' "/proc/$program/status")
    kill -TERM "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    program=
    stop_x_server
    cpu=$(awk -v t="$((cpu1 - cpu0))" -v s="$seconds" -v k="$ticks_per_second" \
        'BEGIN { printf "%.1f", 100 * t / k / s }')
    xcpu=$(awk -v t="$((x1 - x0))" -v s="$seconds" -v k="$ticks_per_second" \
        'BEGIN { printf "%.1f", 100 * t / k / s }')
}

export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_RUNTIME_DIR"
"$build/tools/pluvo-config" ensure >/dev/null

PLUVO_TRACE=1 measure "$build/src/app/pluvo" /s
saver_cpu=$cpu saver_x=$xcpu saver_peak=$peak
frames=$(sed -n 's/.*presented \([0-9]*\) frames in \([0-9.]*\) s.*/\1 \2/p' "$work/program.log" |
    tail -n1)
fps=$(awk -v f="$frames" 'BEGIN { split(f, a, " "); if (a[2] > 0) printf "%.1f", a[1] / a[2]; else print "?" }')

printf '%-28s %8s %8s %8s\n' "$size, $seconds s after $warm_up s" "own %" "X %" "total %"
printf '%-28s %8s %8s %8s\n' "pluvo /s" "$saver_cpu" "$saver_x" \
    "$(awk -v a="$saver_cpu" -v b="$saver_x" 'BEGIN { printf "%.1f", a + b }')"
if [ -x "$peer" ]; then
    measure "$peer" -root
    printf '%-28s %8s %8s %8s\n' "ripples -root" "$cpu" "$xcpu" \
        "$(awk -v a="$cpu" -v b="$xcpu" 'BEGIN { printf "%.1f", a + b }')"
    echo "pluvo / ripples (totals): $(awk -v a="$saver_cpu" -v b="$saver_x" -v c="$cpu" -v d="$xcpu" \
        'BEGIN { if (c + d > 0) printf "%.2f", (a + b) / (c + d); else print "?" }')"
else
    echo "ripples is not installed ($peer); only the saver was measured"
fi
echo "pluvo frames presented per second: $fps"
echo "pluvo peak resident memory: $saver_peak MB"
