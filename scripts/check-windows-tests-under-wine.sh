#!/usr/bin/env bash
# The Windows build's tests under Wine on a virtual X server, then the default settings stored
# with pluvo-config.exe into a Wine prefix of its own, whose registry must then hold exactly the
# bytes the Linux build writes. Installs Wine when missing, and is skipped (status 77) where it
# cannot be installed (scripts/install-windows-deps.sh).
# Usage: scripts/check-windows-tests-under-wine.sh [WINDOWS_BUILD_DIR [LINUX_BUILD_DIR]],
# build-win32/ and build/ unless given (the latter for its pluvo-config).
set -euo pipefail
cd "$(dirname "$0")/.."
windows_build=${1:-build-win32}
linux_build=${2:-build}

scripts/install-windows-deps.sh wine
source scripts/virtual-display.sh

work=$(mktemp -d)
xvfb=
windows_prefix=$(realpath "$windows_build")/wineprefix
cleanup() {
    WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true
    WINEPREFIX=$windows_prefix wineserver -k 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The display's tests make windows and change modes, which Wine does on an X server.
start_virtual_display 1280x720
# One server for the whole run: Wine's server ends a few seconds after its last program, and a
# program starting just then loses its connection ("recvmsg: Connection reset by peer"). The
# first program after it starts Wine's own services, which live as long as the server and keep
# that program's output open: it is one whose output nobody waits for.
scripts/wine-run.sh "$windows_build/tools/pluvo-config.exe" show >/dev/null 2>&1 </dev/null || true
WINEPREFIX=$windows_prefix wineserver -w
WINEPREFIX=$windows_prefix wineserver -p
scripts/wine-run.sh "$windows_build/tools/pluvo-config.exe" show >/dev/null 2>&1 </dev/null || true
status=0
ctest --test-dir "$windows_build" --output-on-failure -j"$(nproc)" || status=$?
WINEPREFIX=$windows_prefix wineserver -k 2>/dev/null || true
kill "$xvfb" 2>/dev/null || true
xvfb=
unset DISPLAY
[ "$status" -eq 0 ] || { echo "FAIL: the Windows tests under Wine"; exit 1; }

export WINEPREFIX=$work/prefix
PLUVO_WINEPREFIX=$WINEPREFIX scripts/wine-run.sh "$windows_build/tools/pluvo-config.exe" reset >/dev/null
stored=$(WINEDEBUG=-all wine reg query 'HKCU\Software\Quorvel\Pluvo Screen Saver' \
    /v Configuration | tr -d '\r' | awk '$1 == "Configuration" { print tolower($3) }')
XDG_CONFIG_HOME=$work/linux "$linux_build/tools/pluvo-config" reset >/dev/null
expected=$(od -An -v -tx1 "$work/linux/Software/Quorvel/Pluvo Screen Saver/Configuration" |
    tr -d ' \n')
if [ "$stored" != "$expected" ]; then
    echo "FAIL: the registry holds ${#stored} hex digits, not the Linux build's ${#expected}:"
    echo "$stored"
    exit 1
fi
echo "The Windows tests passed under Wine, and pluvo-config.exe stored the Linux build's" \
    "$((${#expected} / 2)) bytes in the registry."
