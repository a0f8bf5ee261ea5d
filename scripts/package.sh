#!/usr/bin/env bash
# Builds the Debian package: scripts/package.sh [BUILD_DIR]. A BUILD_DIR given is reused (it
# must be configured with the prefix /usr, where a package's files go); without one,
# build-package is configured for it. Prints the package's path last.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -gt 0 ]; then
    build=$1
    cache=$build/CMakeCache.txt
    [ -f "$cache" ] || { echo "$build is not a configured build folder" >&2; exit 1; }
    prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:[A-Z]*=//p' "$cache")
    if [ "$prefix" != /usr ]; then
        echo "$build is configured for the prefix $prefix; a package installs under /usr." >&2
        echo "Configure it with -DCMAKE_INSTALL_PREFIX=/usr, or leave BUILD_DIR out." >&2
        exit 1
    fi
else
    build=build-package
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
        -DPLUVO_WARNINGS_AS_ERRORS=ON >/dev/null
fi
# Only what the package holds; the rest of a test build is left as it is.
cmake --build "$build" -j"$(nproc)" --target pluvo pluvo-dialogs pluvo-setup >/dev/null
mkdir -p "$build/package"
cpack --config "$build/CPackConfig.cmake" -B "$build/package" >"$build/package/cpack.log" 2>&1 ||
    { cat "$build/package/cpack.log" >&2; exit 1; }
ls -t "$build"/package/pluvo_*.deb | head -n 1
