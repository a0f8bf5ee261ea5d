#!/usr/bin/env bash
# Installs what is missing, checks the formatting, then builds and runs every test twice:
# an optimised build, and a debug build under AddressSanitizer and UndefinedBehaviorSanitizer;
# the optimised saver and its preview also run once on a virtual X server, also in the windows of
# a screen-saver daemon. The optimised build, configured for /usr, also becomes the Debian
# package, which is installed on this machine, run and removed again; the debug build is
# installed into a disposable prefix and removed with its own uninstaller.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr
ctest --test-dir build --output-on-failure -j"$(nproc)"
scripts/check-saver-under-xvfb.sh build
scripts/check-screen-under-xvfb.sh build
scripts/check-preview-under-xvfb.sh build
scripts/check-ways-out-under-xvfb.sh build
scripts/check-monitors-under-xvfb.sh build
scripts/check-xscreensaver.sh build
scripts/check-settings-under-xvfb.sh build
scripts/check-package.sh build

scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DPLUVO_SANITIZE=ON -DPLUVO_BENCHMARKS=OFF \
    -DCMAKE_INSTALL_PREFIX=/tmp/pluvo-install-check
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
scripts/check-install-under-xvfb.sh build-asan
