#!/usr/bin/env bash
# The full gate, which CI runs: scripts/check-all.sh [--system]
#  1. the test command (scripts/test.sh);
#  2. the benchmarks, built in build/ and each run once, briefly;
#  3. a debug build under AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/, and
#     its unit tests (the replay of the fuzz corpus among them);
#  4. the Windows build, cross-compiled with MinGW into build-win32/, its tests under Wine, the
#     default settings stored in the registry, and pluvo.scr run full screen, installed and
#     removed under Wine (scripts/windows-steps.sh); the steps under Wine are skipped where
#     Wine cannot be installed, unless PLUVO_REQUIRE_WINE=1;
#  5. the checks that change the machine (label system): the Debian package installed here, run
#     and removed; build-asan installed into a disposable prefix and removed by its own
#     uninstaller; the real XScreenSaver daemon, run as a user made for it; the real
#     mate-screensaver running our desktop entry, as another such user. They run under
#     CI=true or with --system, and need root (or sudo).
# Every step runs whatever became of the others; the gate ends with one line a step (passed,
# failed, or SKIPPED and why) and fails when any step failed.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/gate-steps.sh
source scripts/windows-steps.sh
system=no
if [ "${1:-}" = --system ] || [ "${CI:-}" = true ]; then
    system=yes
fi

run_benchmarks() {
    cmake --build build -j"$(nproc)" --target benchmarks
    local benchmark
    for benchmark in rain_bench frame_bench lightning_bench sound_bench; do
        SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "build/bench/$benchmark" \
            --benchmark_min_time=0.01 >"build/bench/$benchmark.log" 2>&1 ||
            { cat "build/bench/$benchmark.log"; echo "FAIL: $benchmark"; return 1; }
    done
    echo "The benchmarks ran."
}

run_sanitizer_tests() {
    scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DPLUVO_SANITIZE=ON \
        -DCMAKE_INSTALL_PREFIX=/tmp/pluvo-install-check
    ctest --test-dir build-asan --output-on-failure -j"$(nproc)" -L unit
}

run_system_checks() {
    PLUVO_EXTRA_PACKAGES="xscreensaver mate-screensaver dbus-x11" scripts/install-deps.sh
    local status=0
    ctest --test-dir build --output-on-failure -L system || status=$?
    ctest --test-dir build-asan --output-on-failure -L system -R '^check-install' || status=$?
    return "$status"
}

run_step tests scripts/test.sh
run_step benchmarks run_benchmarks
run_step "sanitizer tests" run_sanitizer_tests
run_windows_steps build
if [ "$system" = yes ]; then
    run_step "system checks" run_system_checks
else
    skip_named_step "system checks" "they change this machine: run scripts/check-all.sh --system, or set CI=true"
fi
print_summary
gate_status
