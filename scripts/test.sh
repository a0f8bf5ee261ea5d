#!/usr/bin/env bash
# Installs what is missing, checks the formatting, then builds and runs every test twice:
# an optimised build, and a debug build under AddressSanitizer and UndefinedBehaviorSanitizer;
# the optimised saver and its preview also run once on a virtual X server, also in the windows of
# a screen-saver daemon.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

scripts/build.sh build -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build --output-on-failure -j"$(nproc)"
scripts/check-saver-under-xvfb.sh build
scripts/check-screen-under-xvfb.sh build
scripts/check-preview-under-xvfb.sh build
scripts/check-ways-out-under-xvfb.sh build
scripts/check-monitors-under-xvfb.sh build
scripts/check-xscreensaver.sh build
scripts/check-settings-under-xvfb.sh build

scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DPLUVO_SANITIZE=ON -DPLUVO_BENCHMARKS=OFF
ctest --test-dir build-asan --output-on-failure -j"$(nproc)"
