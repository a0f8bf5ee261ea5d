#!/usr/bin/env bash
# The real XScreenSaver daemon on a virtual X server, with our program as its only program:
# activated, it shows rain over the desktop; deactivated, it ends our program. The daemon refuses
# to run programs as root, so as root the check runs it as an unprivileged user made for it (and
# removed afterwards): it changes the machine, and the test command leaves it to the full gate.
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
        # userdel refuses a user whose processes are still on their way out.
        for _ in $(seq 50); do pgrep -u "$created_user" >/dev/null || break; sleep 0.1; done
        userdel --remove "$created_user" 2>/dev/null || echo "Could not remove the user $created_user"
    fi
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    if [ -n "${PLUVO_CHECK_KEEP_LOGS:-}" ]; then cp "$work"/*.log "$PLUVO_CHECK_KEEP_LOGS"/ || true; fi
    # Should a desktop service have mounted a file system in the user's folders after all.
    grep -o " $work/[^ ]*" /proc/mounts | xargs -r -n 1 umount -l 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Without access control: the daemon's user is another user than the server's.
start_virtual_display 800x600 -ac
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
export PLUVO_REPORT=stderr SDL_AUDIODRIVER=dummy
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
paint_desktop 800x600 7 "$work/desktop.xwd"

if [ "$(id -u)" -eq 0 ]; then
    if ! id "$checker" >/dev/null 2>&1; then
        useradd --create-home --shell /bin/bash "$checker"
        created_user=$checker
    fi
    daemon_user=$checker
    # A bus address that leads nowhere: without one, the user's programs would start a session
    # bus of their own, whose desktop services mount file systems in the user's folders.
    as_user() { runuser -u "$checker" -- env DISPLAY="$DISPLAY" HOME="$home" \
        XDG_RUNTIME_DIR="$home/run" XDG_CONFIG_HOME="$home/config" PLUVO_REPORT=stderr \
        SDL_AUDIODRIVER=dummy DBUS_SESSION_BUS_ADDRESS="unix:path=$home/no-bus" "$@"; }
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
