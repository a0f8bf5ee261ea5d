#!/usr/bin/env bash
# The real mate-screensaver daemon on a virtual X server, run by an unprivileged user made for the
# check, with our desktop entry as its only theme: activated, it starts our program, which must
# show rain over the desktop's picture; deactivated, it must end our program. The daemon finds
# the entry and the program only where a package puts them, so the check writes the entry to
# /usr/share/applications/screensavers and a link to a copy of the build's program to
# /usr/libexec/xscreensaver (installed ones are used as they are), and removes what it made
# however it ends: it changes the machine, and the test command leaves it to the full gate.
# Needs root (sudo otherwise) and a build configured for the prefix /usr.
# PLUVO_CHECK_SCREENSHOT=FILE keeps the daemon's screen, PLUVO_CHECK_KEEP_LOGS=DIR the logs.
# Usage: scripts/check-desktop-saver.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
if [ "$(id -u)" -ne 0 ]; then
    exec sudo --preserve-env=PLUVO_EXTRA_PACKAGES,PLUVO_CHECK_SCREENSHOT,PLUVO_CHECK_KEEP_LOGS \
        scripts/check-desktop-saver.sh "$build"
fi
source scripts/virtual-display.sh
PLUVO_EXTRA_PACKAGES="mate-screensaver dbus-x11 ${PLUVO_EXTRA_PACKAGES:-}" \
    scripts/install-deps.sh >/dev/null
# Not the XScreenSaver check's user: the two checks may run side by side.
checker=pluvo-desktop-check
link=/usr/libexec/xscreensaver/pluvo
entry=/usr/share/applications/screensavers/pluvo.desktop
work=$(mktemp -d)
chmod 755 "$work"
home=$work/home
xvfb=
daemon=
bus=
created_user=
made=()
failed=no

fail() {
    echo "FAIL: $*"
    failed=yes
}
# The daemon's log without its chatter about idleness, geometry and other programs on the bus.
daemon_log() {
    grep -v -e watcher -e _fade -e update_geometry -e move_resize -e listener_service_deleted \
        "$work/daemon.log" | tail -n 60 || true
}
cleanup() {
    if [ -n "$daemon" ]; then
        as_user mate-screensaver-command --exit >/dev/null 2>&1 || true
        kill "$daemon" 2>/dev/null || true
    fi
    [ -n "$bus" ] && kill "$bus" 2>/dev/null || true
    # A user made for the check goes with it, with everything it still runs.
    if [ -n "$created_user" ]; then
        pkill -KILL -u "$created_user" 2>/dev/null || true
        # userdel refuses a user whose processes are still on their way out.
        for _ in $(seq 50); do pgrep -u "$created_user" >/dev/null || break; sleep 0.1; done
        userdel "$created_user" 2>/dev/null || echo "Could not remove the user $created_user"
    fi
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    # Only what the check put there, newest first, and only while it is still the check's own.
    local index path
    for ((index = ${#made[@]} - 1; index >= 0; index--)); do
        path=${made[$index]}
        if [ -d "$path" ] && [ ! -L "$path" ]; then
            rmdir "$path" 2>/dev/null || true
        elif [ "$path" = "$link" ]; then
            if [ "$(readlink "$link")" = "$work/bin/pluvo" ]; then rm -f "$link"; fi
        elif cmp -s "$path" "$build/data/pluvo.desktop"; then
            rm -f "$path"
        fi
    done
    if [ -n "${PLUVO_CHECK_KEEP_LOGS:-}" ]; then cp "$work"/*.log "$PLUVO_CHECK_KEEP_LOGS"/ || true; fi
    # A file system a desktop service of the user's mounted in its folders outlives the service.
    grep -o " $work/[^ ]*" /proc/mounts | xargs -r -n 1 umount -l 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
# A check stopped from outside cleans up too.
trap 'exit 1' INT TERM HUP

# make_folder DIR creates DIR and the folders above it that are missing, and notes each for
# removal.
make_folder() {
    [ -d "$1" ] && return
    make_folder "$(dirname "$1")"
    mkdir -m 755 "$1"
    made+=("$1")
}

[ -f "$build/data/pluvo.desktop" ] && [ -x "$build/src/app/pluvo" ] ||
    { echo "FAIL: $build has no program or desktop entry: build it first"; exit 1; }
grep -qx "Exec=$link -root" "$build/data/pluvo.desktop" ||
    { echo "FAIL: $build is not configured for the prefix /usr: its entry names another program"; exit 1; }
# The daemon's user reaches this copy whatever the permissions of the build's folders; the
# dialogs' library goes beside it, where the program looks first.
mkdir -m 755 "$work/bin"
cp "$build/src/app/pluvo" "$build/src/app/libpluvo-dialogs.so" "$work/bin/"
chmod 755 "$work/bin/pluvo"
if [ -e "$link" ] || [ -L "$link" ]; then
    [ -x "$link" ] ||
        { echo "FAIL: $link runs nothing (left by a killed run? remove it); this check leaves it alone"; exit 1; }
    echo "Uses the installed $link -> $(readlink -f "$link")"
else
    make_folder "$(dirname "$link")"
    made+=("$link")
    ln -s "$work/bin/pluvo" "$link"
fi
if [ -e "$entry" ]; then
    echo "Uses the installed $entry"
else
    make_folder "$(dirname "$entry")"
    made+=("$entry")
    install -m 644 "$build/data/pluvo.desktop" "$entry"
fi

# Without access control: the daemon's user is another user than the server's.
start_virtual_display 800x600 -ac
paint_desktop 800x600 11 "$work/desktop.xwd"

if ! id "$checker" >/dev/null 2>&1; then
    useradd --no-create-home --home-dir "$home" --shell /bin/bash "$checker"
    created_user=$checker
fi
mkdir -p "$home"
chown "$checker" "$home"
as_user() {
    runuser -u "$checker" -- env DISPLAY="$DISPLAY" HOME="$home" XDG_RUNTIME_DIR="$home/run" \
        XDG_CONFIG_HOME="$home/config" XDG_CURRENT_DESKTOP=MATE GIO_USE_VFS=local \
        GVFS_DISABLE_FUSE=1 DBUS_SESSION_BUS_ADDRESS="${address:-}" PLUVO_REPORT=stderr \
        SDL_AUDIODRIVER=dummy "$@"
}
as_user mkdir -p -m 700 "$home/run"
# The daemon hands its programs only a few of its variables, none that silences the sound: the
# user's own sound device is one that plays to nowhere, as a machine without a card needs.
as_user tee "$home/.asoundrc" >/dev/null <<'DEVICE'
pcm.!default { type null }
ctl.!default { type hw card 0 }
DEVICE
# The user's session bus, which gsettings, the daemon and its command talk through.
session=$(as_user dbus-launch --sh-syntax)
address=$(sed -n "s/^DBUS_SESSION_BUS_ADDRESS='\(.*\)';$/\1/p" <<<"$session")
bus=$(sed -n 's/^DBUS_SESSION_BUS_PID=\([0-9]*\);$/\1/p' <<<"$session")
[ -n "$address" ] && [ -n "$bus" ] || { echo "FAIL: no session bus: $session"; exit 1; }
as_user gsettings set org.mate.screensaver mode "'single'"
as_user gsettings set org.mate.screensaver themes "['screensavers-pluvo']"
as_user gsettings set org.mate.screensaver lock-enabled false
as_user gsettings set org.mate.screensaver idle-activation-enabled false
[ "$(as_user gsettings get org.mate.screensaver themes)" = "['screensavers-pluvo']" ] ||
    { echo "FAIL: gsettings did not keep the theme"; exit 1; }

as_user mate-screensaver --no-daemon --debug >"$work/daemon.log" 2>&1 &
daemon=$!
for _ in $(seq 50); do
    as_user mate-screensaver-command --query >/dev/null 2>&1 && break
    kill -0 "$daemon" 2>/dev/null || break
    sleep 0.2
done
as_user mate-screensaver-command --activate >"$work/command.log" 2>&1 ||
    { echo "FAIL: the daemon does not answer"; cat "$work/command.log"; daemon_log; exit 1; }
saver=
for _ in $(seq 50); do
    saver=$(pgrep -u "$checker" -f "^$link -root" | head -1 || true)
    [ -n "$saver" ] && break
    sleep 0.2
done
[ -n "$saver" ] || { echo "FAIL: the daemon did not start the saver"; daemon_log; exit 1; }
echo "The daemon started the saver: $(xargs -0 </proc/"$saver"/cmdline)"

convert "$work/desktop.xwd" -depth 8 rgb:"$work/desktop.rgb"
total=$((800 * 600 * 3))
differing=0
brightness=0
changing=no
for shot in $(seq 24); do
    sleep 0.5
    xwd -root -silent | convert xwd:- -depth 8 rgb:"$work/screen.rgb"
    differing=$(cmp -l "$work/screen.rgb" "$work/desktop.rgb" | wc -l || true)
    if [ "$shot" -gt 1 ] && ! cmp -s "$work/screen.rgb" "$work/previous.rgb"; then
        changing=yes
    fi
    cp "$work/screen.rgb" "$work/previous.rgb"
    [ "$changing" = yes ] && [ "$differing" -gt 0 ] && [ "$differing" -le $((total / 2)) ] && break
done
brightness=$(convert -size 800x600 -depth 8 rgb:"$work/screen.rgb" -colorspace Gray \
    -format "%[fx:round(100*mean)]" info:)
xwd -root -silent | convert xwd:- "$work/daemon-screen.png"
if [ -n "${PLUVO_CHECK_SCREENSHOT:-}" ]; then cp "$work/daemon-screen.png" "$PLUVO_CHECK_SCREENSHOT"; fi
kill -0 "$saver" 2>/dev/null || { echo "FAIL: the saver ended by itself"; daemon_log; exit 1; }
if [ "$changing" = yes ] && [ "$differing" -gt 0 ]; then
    echo "Rain falls on the daemon's screen (it changes between screenshots)"
else
    fail "no rain on the daemon's screen (changing between screenshots: $changing)"
fi
# The desktop picture is mid-grey on average; rain over the daemon's black window is far darker.
desktop_brightness=$(convert "$work/desktop.xwd" -colorspace Gray -format "%[fx:round(100*mean)]" info:)
if [ "$brightness" -lt $((desktop_brightness / 3)) ]; then
    fail "the daemon's screen is black under the rain (mean brightness $brightness%," \
        "the desktop's $desktop_brightness%)"
fi
if [ "$differing" -gt $((total / 2)) ]; then
    fail "the daemon's screen does not show the desktop ($differing of $total bytes differ)"
else
    echo "The rain falls over the desktop's picture ($differing of $total bytes differ)"
fi

started=$(date +%s%N)
as_user mate-screensaver-command --deactivate >"$work/command.log" 2>&1 ||
    { cat "$work/command.log"; fail "mate-screensaver-command --deactivate"; }
for _ in $(seq 100); do kill -0 "$saver" 2>/dev/null || break; sleep 0.05; done
if kill -0 "$saver" 2>/dev/null; then
    fail "the saver outlived the daemon's deactivation by 5 s"
else
    echo "The daemon's deactivation ended the saver in $((($(date +%s%N) - started) / 1000000)) ms"
fi
if [ "$failed" = yes ]; then
    echo "The daemon's log:"
    daemon_log
    exit 1
fi
echo "mate-screensaver ran the installed entry: rain over the desktop, ended on deactivation."
