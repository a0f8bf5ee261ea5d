#!/usr/bin/env bash
# Cross-builds the Windows program and its tests into one tree: scripts/build-windows.sh
# [DIR [cmake options...]], DIR being build-win32 unless given. Installs the cross compiler when
# missing, and builds the C libraries once into DIR/libraries. Running the tests needs Wine too
# (scripts/install-windows-deps.sh wine).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-win32}
shift || true
scripts/install-windows-deps.sh tools
libraries=$(scripts/build-windows-libraries.sh "$dir/libraries" | tail -n 1)
cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE=cmake/MinGW32Toolchain.cmake \
    -DPLUVO_WARNINGS_AS_ERRORS=ON -DCMAKE_BUILD_TYPE=Release -DPLUVO_BENCHMARKS=OFF \
    -DPLUVO_WINDOWS_LIBRARIES="$libraries" "$@" >/dev/null
cmake --build "$dir" -j"$(nproc)"
