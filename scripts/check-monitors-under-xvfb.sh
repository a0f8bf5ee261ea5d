#!/usr/bin/env bash
# The full-screen saver on two monitors of different sizes, made by splitting one virtual X
# screen with RandR (SDL sees one display, the X server two monitors), twice: monitors that fill
# the screen, and monitors that leave a strip of it uncovered, where the saver's window must
# span exactly the monitors. Each monitor must show rain over its own part of the desktop.
# Then the savers the full-screen saver starts for monitors outside the display its window covers
# (where a display mode is chosen for the primary output): started on the right monitor, each
# shows rain there, and all of them end with their windows when the one that started them ends.
# PLUVO_MONITOR_SHOTS=DIR keeps a screenshot of each monitor there.
# Usage: scripts/check-monitors-under-xvfb.sh [BUILD_DIR]
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

# The desktop's part under a monitor, cut once for every screenshot to be compared with it.
cut_desktop() { # geometry
    convert "$work/desktop.xwd" -crop "$1" +repage -depth 8 rgb:"$work/desktop-$1.rgb"
}

# Bytes of the monitor's part of the screen that differ from the desktop's.
differing() { # geometry
    convert "$work/screen.xwd" -crop "$1" +repage -depth 8 rgb:"$work/part.rgb"
    cmp -l "$work/part.rgb" "$work/desktop-$1.rgb" | wc -l || true
}

check_layout() { # name screen-size
    local name=$1 size=$2
    start_virtual_display "$size"
    export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
    export PLUVO_REPORT=stderr SDL_AUDIODRIVER=dummy
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    xrandr --setmonitor L 1280/338x720/190+0+0 screen >/dev/null
    xrandr --setmonitor R 1024/270x768/203+1280+0 none >/dev/null
    paint_desktop "$size" 11 "$work/desktop.xwd"
    "$build/tools/pluvo-config" reset >/dev/null

    "$build/src/app/pluvo" /s --density 50 >"$work/saver.log" 2>&1 &
    saver=$!
    local geometries=("1280x720+0+0" "1024x768+1280+0")
    cut_desktop "${geometries[0]}"
    cut_desktop "${geometries[1]}"
    local totals=($((1280 * 720 * 3)) $((1024 * 768 * 3)))
    local results=(0 0)
    for _ in $(seq 30); do
        sleep 0.5
        kill -0 "$saver" 2>/dev/null ||
            { echo "FAIL: the saver ended by itself"; cat "$work/saver.log"; exit 1; }
        xwd -root -silent >"$work/screen.xwd"
        local done=yes
        for index in 0 1; do
            results[$index]=$(differing "${geometries[$index]}")
            if [ "${results[$index]}" -eq 0 ] ||
                [ "${results[$index]}" -gt $((totals[index] / 2)) ]; then
                done=no
            fi
        done
        [ "$done" = yes ] && break
    done
    for index in 0 1; do
        if [ -n "${PLUVO_MONITOR_SHOTS:-}" ]; then
            convert "$work/screen.xwd" -crop "${geometries[$index]}" +repage \
                "$PLUVO_MONITOR_SHOTS/monitors-$name-$index.png"
        fi
        if [ "${results[$index]}" -eq 0 ]; then
            echo "FAIL ($name): no rain on monitor $index"; exit 1
        fi
        if [ "${results[$index]}" -gt $((totals[index] / 2)) ]; then
            echo "FAIL ($name): monitor $index does not show its part of the desktop" \
                "(${results[$index]} of ${totals[index]} bytes differ)"
            exit 1
        fi
        echo "$name: monitor $index ${geometries[$index]} shows rain over its part of the" \
            "desktop (${results[$index]} of ${totals[index]} bytes differ)"
    done
    kill "$saver"
    local status=0
    wait "$saver" || status=$?
    saver=
    [ "$status" -eq 0 ] || { echo "FAIL: exit status $status"; cat "$work/saver.log"; exit 1; }
    kill "$xvfb"
    wait "$xvfb" 2>/dev/null || true
    xvfb=
}

# The full-screen saver's own monitor stays empty here: only the other one is covered.
check_other_monitor() {
    start_virtual_display 2304x768
    xrandr --setmonitor L 1280/338x720/190+0+0 screen >/dev/null
    xrandr --setmonitor R 1024/270x768/203+1280+0 none >/dev/null
    paint_desktop 2304x768 11 "$work/desktop.xwd"
    cut_desktop 1024x768+1280+0
    cut_desktop 1280x720+0+0
    cut_desktop 2304x768+0+0
    "$build/tools/other-monitors" "$(realpath "$build/src/app/pluvo")" 30 1280 0 1024 768 \
        >"$work/others.log" 2>&1 &
    saver=$!
    local result=0
    for _ in $(seq 40); do
        sleep 0.5
        xwd -root -silent >"$work/screen.xwd"
        result=$(differing 1024x768+1280+0)
        [ "$result" -gt 0 ] && [ "$result" -lt $((1024 * 768 * 3 / 2)) ] && break
    done
    if [ -n "${PLUVO_MONITOR_SHOTS:-}" ]; then
        convert "$work/screen.xwd" -crop 1024x768+1280+0 +repage \
            "$PLUVO_MONITOR_SHOTS/monitors-other.png"
    fi
    [ "$(differing 1280x720+0+0)" -eq 0 ] || { echo "FAIL: the first monitor was covered"; exit 1; }
    if [ "$result" -eq 0 ] || [ "$result" -ge $((1024 * 768 * 3 / 2)) ]; then
        echo "FAIL: the other monitor shows no rain over its desktop ($result bytes differ)"
        cat "$work/others.log"
        exit 1
    fi
    kill -TERM "$saver"
    wait "$saver"
    saver=
    grep -q "started 1" "$work/others.log" || { cat "$work/others.log"; exit 1; }
    xwd -root -silent >"$work/screen.xwd"
    [ "$(differing 2304x768+0+0)" -eq 0 ] || { echo "FAIL: a window stayed"; exit 1; }
    if pgrep -f -- "--window-id" | xargs -r ps -o args= -p | grep -q "$build/src/app/pluvo"; then
        echo "FAIL: a saver outlived the one that started it"
        exit 1
    fi
    echo "other monitor: rain over its part of the desktop ($result bytes differ)," \
        "and nothing left when the saver that started it ended"
    kill "$xvfb"
    wait "$xvfb" 2>/dev/null || true
    xvfb=
}

check_layout filled 2304x768
check_layout strip 2304x800
check_other_monitor
