#!/usr/bin/env bash
# End-to-end check of the full-screen saver on a virtual X server: it starts from a fresh
# configuration, draws frames, ends with exit code 0 on a key press, writes the configuration,
# and leaves the screen to the desktop again, having written at most a line to standard error. Usage: scripts/check-saver-under-xvfb.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/virtual-display.sh
build=${1:-build}
work=$(mktemp -d)
cleanup() {
    [ -n "${saver:-}" ] && kill "$saver" 2>/dev/null || true
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

start_virtual_display 1024x768
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run PLUVO_REPORT=stderr
mkdir -p "$XDG_RUNTIME_DIR"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# Settings of the user's own, so that the machine's (an installed package's) play no part.
"$build/tools/pluvo-config" reset >/dev/null
value="$XDG_CONFIG_HOME/Software/Quorvel/Pluvo Screen Saver/Configuration"
before=$(stat -c %Y.%s "$value")
sleep 1

"$build/src/app/pluvo" /s >"$work/saver.log" 2>&1 &
saver=$!
sleep 4
if ! kill -0 "$saver" 2>/dev/null; then
    echo "FAIL: the saver ended by itself"; cat "$work/saver.log"; exit 1
fi
xwininfo -root -tree | grep -q "Pluvo Screen Saver" || { echo "FAIL: no saver window"; exit 1; }
# A second full-screen instance returns at once.
timeout 10 "$build/src/app/pluvo" /s >/dev/null 2>&1 || { echo "FAIL: second instance"; exit 1; }

xdotool key space
for _ in $(seq 50); do kill -0 "$saver" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$saver" 2>/dev/null; then
    echo "FAIL: a key press did not end the saver"; exit 1
fi
status=0
wait "$saver" || status=$?
saver=
[ "$status" -eq 0 ] || { echo "FAIL: exit code $status"; cat "$work/saver.log"; exit 1; }
# Without a sound card (as here) the rain is silent, which is no reason to fill the terminal.
if [ "$(wc -l <"$work/saver.log")" -gt 1 ]; then
    echo "FAIL: the saver wrote more than a line to standard error:"; cat "$work/saver.log"; exit 1
fi
[ "$(stat -c %Y.%s "$value")" != "$before" ] || { echo "FAIL: configuration not written"; exit 1; }
if xwininfo -root -tree | grep -q "Pluvo Screen Saver"; then
    echo "FAIL: the saver window stayed"; exit 1
fi
echo "The saver ran under Xvfb and ended cleanly."
