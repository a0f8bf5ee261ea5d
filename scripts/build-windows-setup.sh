#!/usr/bin/env bash
# Makes the Windows setup program: scripts/build-windows-setup.sh [DIR], DIR being build-win32
# unless given. Cross-builds pluvo.scr and pluvo-setup.exe there when needed and writes
# DIR/pluvo-2.2.17-setup.exe with NSIS (packaging/windows/setup.nsi).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-win32}
[ -f "$dir/CMakeCache.txt" ] || scripts/build-windows.sh "$dir"
scripts/install-windows-deps.sh tools
cmake --build "$dir" -j"$(nproc)" --target pluvo pluvo-setup
build=$(realpath "$dir")
makensis -V2 -DBUILD_DIR="$build" -DOUTPUT="$build/pluvo-2.2.17-setup.exe" packaging/windows/setup.nsi
echo "$build/pluvo-2.2.17-setup.exe"
