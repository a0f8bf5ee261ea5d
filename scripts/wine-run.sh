#!/usr/bin/env bash
# Runs a Windows program under Wine in the prefix of the build folder it lies in, so that the
# tests of one build share one prefix and never touch the user's. Usage: wine-run.sh PROGRAM [ARG...]
# PLUVO_WINEPREFIX chooses another prefix.
set -euo pipefail
program=$(realpath "$1")
shift
if [ -z "${PLUVO_WINEPREFIX:-}" ]; then
    folder=$(dirname "$program")
    while [ "$folder" != / ] && [ ! -f "$folder/CMakeCache.txt" ]; do
        folder=$(dirname "$folder")
    done
    [ "$folder" != / ] || { echo "wine-run.sh: $program lies in no build folder" >&2; exit 2; }
    PLUVO_WINEPREFIX=$folder/wineprefix
fi
export WINEPREFIX=$PLUVO_WINEPREFIX WINEDEBUG=${WINEDEBUG:--all} WINEARCH=win32
# Without these, making a prefix installs .NET and a browser engine and shows their windows.
export WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
# The prefix is ready once the server that made it has ended; its registry files appear before
# that, and a program that connected to that server in between lost its connection.
ready=$WINEPREFIX/.pluvo-prefix-ready
if [ ! -f "$ready" ]; then
    # A lock, as ctest starts several programs at once and a prefix is made only once.
    mkdir -p "$(dirname "$WINEPREFIX")"
    exec 9>"$WINEPREFIX.lock"
    flock 9
    if [ ! -f "$ready" ]; then
        env -u DISPLAY wineboot --init >/dev/null 2>&1
        wineserver -w
        touch "$ready"
    fi
    flock -u 9
fi
exec wine "$program" "$@"
