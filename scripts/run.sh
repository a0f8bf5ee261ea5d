#!/usr/bin/env bash
# Builds the program and shows the rain. Until the saver window exists, this renders a snapshot
# of the rain over a picture: scripts/run.sh [--picture FILE] [--steps N] [--bolt] ...
# (see rain-snapshot --help); the result is written to out/rain.png unless --output is given.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
mkdir -p out
exec build/tools/rain-snapshot --output out/rain.png "$@"
