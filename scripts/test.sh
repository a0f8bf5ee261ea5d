#!/usr/bin/env bash
# The test command: installs what is missing, checks the formatting, builds the optimised tree in
# build/ (through ccache) and runs every test that needs no more than a virtual X server: the unit
# tests (label unit) and the checks of the whole program on Xvfb, each on a server of its own
# (label xvfb). Outside build/ it writes only to the temporary folder and ccache's cache: it adds
# no user and installs nothing of ours, so it runs the same where the product is installed.
# scripts/check-all.sh runs the rest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

scripts/build.sh build
# Twice as many at once as there are cores: the checks spend most of their time waiting.
ctest --test-dir build --output-on-failure -j"$(($(nproc) * 2))" -L 'unit|xvfb'
