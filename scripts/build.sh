#!/usr/bin/env bash
# Configures and builds one build tree: scripts/build.sh DIR [cmake options...]. The tree is the
# optimised one every script shares (Release, for the prefix /usr, so that it can also become the
# package, with warnings as errors); options given come after these and win. The benchmarks are
# built only when asked for (--target benchmarks).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1
shift
cmake -S . -B "$dir" -DPLUVO_WARNINGS_AS_ERRORS=ON -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX=/usr "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
