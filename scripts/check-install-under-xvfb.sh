#!/usr/bin/env bash
# End-to-end check of `cmake --install` and `pluvo /uninstall` on a virtual X server. BUILD_DIR
# must be configured with a disposable prefix under /tmp (scripts/test.sh uses
# /tmp/pluvo-install-check), which this check empties first and removes at the end. It installs
# there, places a file of someone else's among the installed ones, runs the uninstall (the
# program hands over to a temporary copy and returns; the copy asks, runs the wizard and reports
# success; Return answers each box) and checks that everything the script listed is gone, the
# copy too, while the other file stays and no settings are written back. A second run, on an
# entry without a display name, must only warn and remove nothing.
# Usage: scripts/check-install-under-xvfb.sh BUILD_DIR   (PLUVO_INSTALL_SHOTS=DIR keeps pictures)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/virtual-display.sh
build=${1:?usage: scripts/check-install-under-xvfb.sh BUILD_DIR}
fail() {
    echo "FAIL: $*"
    exit 1
}
prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:[A-Z]*=//p' "$build/CMakeCache.txt")
case "$prefix" in
/tmp/?*) ;;
*) fail "$build is configured for the prefix '$prefix'; this check empties its prefix, so it" \
    "takes only one under /tmp (configure with -DCMAKE_INSTALL_PREFIX=/tmp/pluvo-install-check)" ;;
esac
hive=$prefix/etc/xdg
entry="$hive/Software/Microsoft/Windows/CurrentVersion/Uninstall/{5D1C7A20-3B8E-4F61-9A47-C0E2B6D39F14}"
script=$prefix/share/pluvo/uninstall.script
shots=${PLUVO_INSTALL_SHOTS:-}

work=$(mktemp -d)
cleanup() {
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work" "$prefix"
}
trap cleanup EXIT

install_fresh() {
    rm -rf "$prefix"
    cmake --install "$build" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "install"; }
    [ -f "$entry/DisplayName" ] && [ -f "$script" ] || fail "no entry or no script after the install"
}
# The copy lives in our own temporary folder.
copies_running() {
    pgrep -f -- "$TMPDIR/~QV" >/dev/null
}
wait_for_copy() {
    for _ in $(seq 300); do
        copies_running || return 0
        sleep 0.1
    done
    fail "the uninstaller's copy is still running"
}
visible_window() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}
# Waits for a window titled $1 to show, optionally keeps a picture named $2, and presses Return
# in it.
answer() {
    local id=
    for _ in $(seq 300); do
        id=$(visible_window "$1") && [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || { cat "$work/uninstall.log"; fail "no window titled $1"; }
    if [ -n "$shots" ] && [ -n "${2:-}" ]; then
        import -window root "$shots/$2.png"
    fi
    xdotool windowfocus --sync "$id" key Return
    for _ in $(seq 100); do
        [ -z "$(visible_window "$1")" ] && return 0
        sleep 0.1
    done
    fail "the window titled $1 did not close on Return"
}
start_uninstall() {
    timeout 10 "$prefix/bin/pluvo" /uninstall >>"$work/uninstall.log" 2>&1 ||
        { cat "$work/uninstall.log"; fail "pluvo /uninstall did not return at once"; }
}

start_virtual_display 1024x768
# No machine folder names the install's hive: the program must find it by itself.
export XDG_CONFIG_HOME=$work/config XDG_CONFIG_DIRS=$work/machine XDG_RUNTIME_DIR=$work/run
export TMPDIR=$work/tmp PLUVO_REPORT=stderr
mkdir -p "$XDG_CONFIG_HOME" "$XDG_CONFIG_DIRS" "$XDG_RUNTIME_DIR" "$TMPDIR"
chmod 700 "$XDG_RUNTIME_DIR"
[ -n "$shots" ] && mkdir -p "$shots"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

install_fresh
"$prefix/libexec/pluvo/pluvo-setup" list --script "$script" >"$work/listed"
unrelated=$prefix/bin/someone-elses-file
echo "not Pluvo's" >"$unrelated"

start_uninstall
answer "Add/Remove Programs" question
if [ -n "$shots" ]; then
    for _ in $(seq 100); do
        [ -n "$(visible_window "Pluvo Screen Saver 2.2.17")" ] && break
        sleep 0.05
    done
    import -window root "$shots/wizard.png"
fi
answer "Add/Remove Programs" removed
wait_for_copy
! compgen -G "$TMPDIR/~QV*" >/dev/null || fail "the temporary copy is left: $(ls "$TMPDIR")"
[ -f "$unrelated" ] || fail "the uninstall removed a file that is not Pluvo's"
while IFS=$'\t' read -r kind path _; do
    case "$kind" in
    file) [ ! -e "$path" ] && [ ! -L "$path" ] || fail "left behind: $path" ;;
    folder) [[ "$unrelated" == "$path"/* ]] || [ ! -e "$path" ] || fail "left behind: $path" ;;
    esac
done <"$work/listed"
[ ! -e "$entry" ] || fail "the entry is still there"
[ ! -e "$hive" ] || fail "the install's hive is still there: $(find "$hive")"
[ ! -e "$XDG_CONFIG_HOME/Software/Quorvel" ] || fail "the run wrote the user's settings back"
echo "pluvo /uninstall removed the install and nothing else."

install_fresh
rm "$entry/DisplayName"
find "$prefix" | sort >"$work/before"
start_uninstall
answer "Add/Remove Programs" already-removed
wait_for_copy
find "$prefix" | sort | diff "$work/before" - || fail "an entry without a name removed something"
echo "An entry without a display name only warned."
