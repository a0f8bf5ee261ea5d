#!/usr/bin/env bash
# The saver in the windows of screen-saver hosts, on a virtual X server:
# 1. two windows named in $XSCREENSAVER_WINDOW at once, as a daemon does for two monitors: both
#    savers run (the single-instance lock does not stop the second), both draw rain over the
#    screenshot the window carries, and both end on SIGTERM (the time to end is printed);
# 2. the real XScreenSaver daemon with our program as its only program: activated, it shows
#    rain over the desktop; deactivated, it ends our program. The daemon refuses to run programs
#    as root, so as root this part runs as an unprivileged user made for it.
# PLUVO_CHECK_SCREENSHOT=FILE keeps the daemon's screen, PLUVO_CHECK_KEEP_LOGS=DIR the logs.
# Usage: scripts/check-xscreensaver.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/virtual-display.sh
build=$(realpath "${1:-build}")
checker=pluvo-check
PLUVO_EXTRA_PACKAGES="xscreensaver ${PLUVO_EXTRA_PACKAGES:-}" scripts/install-deps.sh >/dev/null
work=$(mktemp -d)
chmod 755 "$work"
xvfb=
pids=()
daemon_user=
created_user=
cleanup() {
    [ -n "$daemon_user" ] && as_user xscreensaver-command -exit >/dev/null 2>&1 || true
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    # A user made for the check goes with it, with everything it still runs and its home.
    if [ -n "$created_user" ]; then
        pkill -KILL -u "$created_user" 2>/dev/null || true
        userdel --remove "$created_user" 2>/dev/null || true
    fi
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    if [ -n "${PLUVO_CHECK_KEEP_LOGS:-}" ]; then cp "$work"/*.log "$PLUVO_CHECK_KEEP_LOGS"/ || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

# Without access control: the daemon's user is another user than the server's.
start_virtual_display 800x600 -ac
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
export PLUVO_REPORT=stderr SDL_AUDIODRIVER=dummy
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
# A desktop without drops of its own, so that any drop on the screen is the saver's.
convert -size 800x600 -seed 7 plasma:fractal -blur 0x2 "$work/desktop.png"
hsetroot -fill "$work/desktop.png" >/dev/null

# Bytes of the window's picture that differ from the same part of the desktop picture.
differing_from_desktop() { # window x y width height
    xwd -id "$1" -silent | convert xwd:- -depth 8 rgb:"$work/window.rgb"
    convert "$work/desktop.xwd" -crop "$4x$5+$2+$3" +repage -depth 8 rgb:"$work/part.rgb"
    cmp -l "$work/window.rgb" "$work/part.rgb" | wc -l || true
}

# --- 1. Two daemon windows at once --------------------------------------------------------
xwd -root -silent >"$work/desktop.xwd"
geometries=("320 240 20 20" "400 300 380 280")
windows=()
for index in 0 1; do
    read -r -a g <<<"${geometries[$index]}"
    "$build/tools/foreign-window" "${g[@]}" screenshot >"$work/window$index.id" &
    pids+=($!)
    for _ in $(seq 50); do [ -s "$work/window$index.id" ] && break; sleep 0.1; done
    windows+=("$(cat "$work/window$index.id")")
done
savers=()
for index in 0 1; do
    XSCREENSAVER_WINDOW=${windows[$index]} "$build/src/app/pluvo" -root --no-sound \
        >"$work/saver$index.log" 2>&1 &
    savers+=($!)
    pids+=($!)
done
for index in 0 1; do
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
echo "Both savers ended $(((ended - started) / 1000000)) ms after SIGTERM"
for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
pids=()

# --- 2. The real daemon -------------------------------------------------------------------
if [ "$(id -u)" -eq 0 ]; then
    if ! id "$checker" >/dev/null 2>&1; then
        useradd --create-home --shell /bin/bash "$checker"
        created_user=$checker
    fi
    daemon_user=$checker
    as_user() { runuser -u "$checker" -- env DISPLAY="$DISPLAY" HOME="$home" \
        XDG_RUNTIME_DIR="$home/run" XDG_CONFIG_HOME="$home/config" PLUVO_REPORT=stderr \
        SDL_AUDIODRIVER=dummy "$@"; }
    home=$work/home
    mkdir -p "$home"
    chown "$checker" "$home"
else
    daemon_user=$(id -un)
    home=$work/home
    mkdir -p "$home"
    as_user() { env HOME="$home" XDG_RUNTIME_DIR="$home/run" XDG_CONFIG_HOME="$home/config" "$@"; }
fi
as_user mkdir -p -m 700 "$home/run"
# A copy the daemon's user can reach whatever the permissions of the build's folders.
mkdir -p -m 755 "$work/bin"
cp "$build/src/app/pluvo" "$work/bin/pluvo"
chmod 755 "$work/bin/pluvo"
# The daemon starts its program with -root and the window in $XSCREENSAVER_WINDOW.
as_user tee "$home/.xscreensaver" >/dev/null <<SETTINGS
mode:		one
selected:	0
timeout:	1:00:00
lock:		False
fade:		False
unfade:		False
splash:		False
dpmsEnabled:	False
programs:	$work/bin/pluvo -root --no-sound	\\n
SETTINGS
as_user xscreensaver -no-splash >"$work/daemon.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do
    as_user xscreensaver-command -version >/dev/null 2>&1 && break
    sleep 0.2
done
as_user xscreensaver-command -activate >/dev/null ||
    { echo "FAIL: the daemon does not answer"; cat "$work/daemon.log"; exit 1; }
saver=
for _ in $(seq 50); do
    saver=$(pgrep -u "$daemon_user" -f "$work/bin/pluvo -root" | head -1 || true)
    [ -n "$saver" ] && break
    sleep 0.2
done
[ -n "$saver" ] || { echo "FAIL: the daemon did not start the saver"; cat "$work/daemon.log"; exit 1; }
total=$((800 * 600 * 3))
differing=0
previous=
changing=no
for _ in $(seq 20); do
    sleep 0.5
    xwd -root -silent | convert xwd:- -depth 8 rgb:"$work/screen.rgb"
    convert "$work/desktop.xwd" -depth 8 rgb:"$work/desktop.rgb"
    differing=$(cmp -l "$work/screen.rgb" "$work/desktop.rgb" | wc -l || true)
    if [ -n "$previous" ] && ! cmp -s "$work/screen.rgb" "$previous"; then
        changing=yes
    fi
    cp "$work/screen.rgb" "$work/previous.rgb"
    previous=$work/previous.rgb
    [ "$changing" = yes ] && [ "$differing" -gt 0 ] && [ "$differing" -le $((total / 2)) ] && break
done
xwd -root -silent | convert xwd:- "$work/daemon-screen.png"
[ -n "${PLUVO_CHECK_SCREENSHOT:-}" ] && cp "$work/daemon-screen.png" "$PLUVO_CHECK_SCREENSHOT"
if [ "$changing" != yes ] || [ "$differing" -eq 0 ]; then
    echo "FAIL: no rain on the daemon's screen"; cat "$work/daemon.log"; exit 1
fi
if [ "$differing" -gt $((total / 2)) ]; then
    echo "FAIL: the daemon's screen does not show the desktop ($differing of $total bytes differ)"
    cat "$work/daemon.log"
    exit 1
fi
echo "The daemon shows rain over the desktop ($differing of $total bytes differ)"
as_user xscreensaver-command -deactivate >/dev/null
for _ in $(seq 100); do kill -0 "$saver" 2>/dev/null || break; sleep 0.05; done
if kill -0 "$saver" 2>/dev/null; then
    echo "FAIL: the saver outlived the daemon's deactivation"; exit 1
fi
echo "The daemon's deactivation ended the saver"
