#!/usr/bin/env bash
# Builds the saver and starts it on your display. Without arguments it runs full screen (/s);
# any arguments are passed on, e.g. scripts/run.sh --window to try it in a window.
# A first run stores the default settings (see build/tools/pluvo-config).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build
build/tools/pluvo-config ensure
if [ $# -eq 0 ]; then
    set -- /s
fi
exec build/src/app/pluvo "$@"
