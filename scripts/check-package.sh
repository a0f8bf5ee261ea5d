#!/usr/bin/env bash
# End-to-end check of the Debian package on this machine's own /usr: builds it from BUILD_DIR
# (configured for /usr), installs it with dpkg, runs the saver from it for a new user on a
# virtual X server, sees `pluvo /uninstall` send the user to the package manager without
# removing anything, removes the package with dpkg and checks that nothing of it is left. The
# package is removed again however the check ends. Needs root (sudo otherwise).
# Usage: scripts/check-package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/virtual-display.sh
build=${1:-build}
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
hive=/etc/xdg
entry="$hive/Software/Microsoft/Windows/CurrentVersion/Uninstall/{5D1C7A20-3B8E-4F61-9A47-C0E2B6D39F14}"
settings="$hive/Software/Quorvel/Pluvo Screen Saver"
ours=(/usr/bin/pluvo /usr/libexec/pluvo /usr/libexec/xscreensaver/pluvo
    /usr/share/xscreensaver/config/pluvo.xml /usr/share/applications/screensavers/pluvo.desktop
    /usr/share/man/man6/pluvo.6 /var/lib/pluvo "/usr/lib/$(gcc -print-multiarch)/pluvo" "$entry"
    "$settings")

is_installed() {
    dpkg-query -W -f='${Status}' pluvo 2>/dev/null | grep -q " installed$"
}
fail() {
    echo "FAIL: $*"
    exit 1
}
# The copy `pluvo /uninstall` starts lives in our own temporary folder; none of it may be left.
copies_running() {
    pgrep -f -- "$TMPDIR/~QV" >/dev/null
}

if is_installed; then
    fail "the pluvo package is installed already; this check would remove it"
fi
if [ -e "$entry" ] || [ -e /usr/bin/pluvo ]; then
    fail "Pluvo is installed under /usr already (not as a package); remove it first"
fi
deb=$(scripts/package.sh "$build" | tail -n 1)

work=$(mktemp -d)
installed=
cleanup() {
    [ -n "${saver:-}" ] && kill "$saver" 2>/dev/null || true
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
    if [ -n "$installed" ] && is_installed; then
        echo "Removing the package after a failed check"
        "${sudo_cmd[@]}" dpkg -r pluvo >/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

find "$hive" | sort >"$work/hive-before"
installed=1
"${sudo_cmd[@]}" dpkg -i "$deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -i"; }
[ -x /usr/bin/pluvo ] && [ -L /usr/libexec/xscreensaver/pluvo ] || fail "the program is missing"
[ "$(cat "$entry/DisplayName")" = "Pluvo Screen Saver" ] || fail "no entry in $hive"
[ "$(cat "$entry/Package")" = pluvo ] || fail "the entry does not name the package"
script=$(cat "$entry/UninstallScript")
[ "$script" = /var/lib/pluvo/uninstall.script ] && [ -f "$script" ] || fail "no script: $script"
[ -f "$settings/Configuration" ] || fail "no machine-wide default settings"
[ -z "$(dpkg-query -W -f='${Conffiles}' pluvo)" ] || fail "the package has conffiles"

start_virtual_display 1024x768
unset XDG_CONFIG_DIRS
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run TMPDIR=$work/tmp PLUVO_REPORT=stderr
mkdir -p "$XDG_RUNTIME_DIR" "$TMPDIR"
chmod 700 "$XDG_RUNTIME_DIR"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# A new user: the saver starts from the machine's default settings.
/usr/bin/pluvo /s >"$work/saver.log" 2>&1 &
saver=$!
sleep 3
kill -0 "$saver" 2>/dev/null || { cat "$work/saver.log"; fail "the saver ended by itself"; }
xwininfo -root -tree | grep -q "Pluvo Screen Saver" || fail "no saver window"
xdotool key space
status=0
timeout 10 tail --pid="$saver" -f /dev/null || fail "a key press did not end the saver"
wait "$saver" || status=$?
saver=
[ "$status" -eq 0 ] || { cat "$work/saver.log"; fail "the saver's exit status $status"; }

timeout 10 /usr/bin/pluvo /uninstall >"$work/uninstall.log" 2>&1 || fail "pluvo /uninstall"
box=$(timeout 20 xdotool search --sync --name "^Add/Remove Programs$" | head -n 1) ||
    { cat "$work/uninstall.log"; fail "no message box"; }
if [ -n "${PLUVO_PACKAGE_SHOT:-}" ]; then
    import -window root "$PLUVO_PACKAGE_SHOT"
fi
xdotool windowfocus --sync "$box" key Return
for _ in $(seq 100); do copies_running || break; sleep 0.1; done
copies_running && fail "the uninstaller's copy is still running"
! compgen -G "$TMPDIR/~QV*" >/dev/null || fail "the temporary copy is left: $(ls "$TMPDIR")"
[ -f "$script" ] && [ -f "$entry/DisplayName" ] && [ -x /usr/bin/pluvo ] ||
    fail "pluvo /uninstall removed part of a package install"

"${sudo_cmd[@]}" dpkg -r pluvo >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -r"; }
installed=
for path in "${ours[@]}"; do
    [ ! -e "$path" ] && [ ! -L "$path" ] || fail "left after dpkg -r: $path"
done
find "$hive" | sort | diff "$work/hive-before" - || fail "$hive differs from before the install"
echo "The package installed, ran, and left nothing behind when removed."
