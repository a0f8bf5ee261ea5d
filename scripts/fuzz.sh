#!/usr/bin/env bash
# Runs every fuzz target for a while: scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
# Builds the libFuzzer programs with clang (AddressSanitizer, UndefinedBehaviorSanitizer) in
# build-fuzz/, starts each from the committed corpus under tests/fuzz/corpus/ (new inputs it
# finds are kept in build-fuzz/corpus/, not in the repository) and prints its runs, executions
# per second and corpus size. A crash stops with the failing input in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
targets=("$@")
if ((${#targets[@]} == 0)); then
    targets=(configurationValue objectStream bmpPicture jpegPicture pictureScaling uninstallScript)
fi

PLUVO_EXTRA_PACKAGES="clang libclang-rt-14-dev" scripts/install-deps.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPLUVO_SANITIZE=ON \
    -DPLUVO_FUZZ=ON -DPLUVO_BENCHMARKS=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

corpus_of() {
    case $1 in
    configurationValue) echo configuration ;;
    objectStream) echo stream ;;
    bmpPicture) echo bmp ;;
    jpegPicture) echo jpeg ;;
    pictureScaling) echo scaling ;;
    uninstallScript) echo script ;;
    esac
}

printf '%-20s %12s %10s %8s\n' target runs "exec/s" corpus
for target in "${targets[@]}"; do
    name=$(corpus_of "$target")
    work=build-fuzz/corpus/$name
    mkdir -p "$work" build-fuzz/findings
    options=(-max_total_time="$seconds" -print_final_stats=1 -artifact_prefix=build-fuzz/findings/
        -rss_limit_mb=2048)
    # A stored value is a few hundred bytes: longer inputs only repeat what shorter ones reach.
    if [ "$name" = configuration ] || [ "$name" = stream ] || [ "$name" = script ]; then
        options+=(-dict=tests/fuzz/stream.dict -max_len=4096)
    else
        options+=(-max_len=65536)
    fi
    SDL_VIDEODRIVER=dummy "build-fuzz/tests/fuzz_$target" "${options[@]}" "$work" \
        "tests/fuzz/corpus/$name" >"build-fuzz/$target.log" 2>&1 || {
        echo "$target failed: see build-fuzz/$target.log and build-fuzz/findings/"
        tail -n 30 "build-fuzz/$target.log"
        exit 1
    }
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "build-fuzz/$target.log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "build-fuzz/$target.log")
    size=$(find "$work" -type f | wc -l)
    printf '%-20s %12s %10s %8s\n' "$target" "$runs" "$speed" "$size"
done
