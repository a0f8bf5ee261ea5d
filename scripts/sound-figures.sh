#!/usr/bin/env bash
# Figures of the saver's sound: the level of every recording, the rain loop's seam, spectrograms
# of the rain loop and of one thunder clap (into docs/), and the saver's own audio output over
# the first seconds of a ramp-up, written by SDL's disk audio driver on a virtual X server.
# Usage: scripts/sound-figures.sh [BUILD_DIR] [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
seconds=${2:-8}
sounds=resources/sounds

packages=(sox libsox-fmt-all xvfb xdotool x11-utils python3)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if ((${#missing[@]})); then
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y "${missing[@]}"
fi

echo "== Recordings (sox stat)"
for file in "$sounds"/*.ogg; do
    sox "$file" -n stat 2>&1 | awk -v name="$(basename "$file")" '
        /^Length/ {length_s = $3}
        /^Maximum amplitude/ {max = $3}
        /^Minimum amplitude/ {min = -$3}
        /^RMS     amplitude/ {rms = $3}
        END {peak = max > min ? max : min
             printf "%-13s %6.2f s  peak %6.2f dBFS  RMS %6.2f dBFS\n", name, length_s,
                    20 * log(peak) / log(10), 20 * log(rms) / log(10)}'
done

echo "== Rain loop seam (8-bit samples as the saver keeps them)"
work=$(mktemp -d)
cleanup() {
    [ -n "${saver:-}" ] && kill "$saver" 2>/dev/null || true
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
sox -D "$sounds/rain.ogg" -t raw -e unsigned -b 8 "$work/rain.u8"
python3 - "$work/rain.u8" <<'PY'
import sys
data = open(sys.argv[1], "rb").read()
for channel, name in ((0, "left"), (1, "right")):
    samples = data[channel::2]
    steps = sorted(abs(samples[i] - samples[i - 1]) for i in range(1, len(samples)))
    seam = abs(samples[0] - samples[-1])
    as_large = sum(1 for step in steps if step >= seam) / len(steps)
    print(f"{name:5}: step at the seam {seam}; inside: largest {steps[-1]}, "
          f"99th percentile {steps[len(steps) * 99 // 100]}, "
          f"{100 * as_large:.1f} % of steps as large as the seam's (of 255)")
PY

mkdir -p docs
sox "$sounds/rain.ogg" -n trim 0 8 spectrogram -x 1200 -y 513 -t "Rain loop, first 8 s" \
    -o docs/rain-loop-spectrogram.png
sox "$sounds/thunder2.ogg" -n spectrogram -x 1200 -y 257 -t "Thunder clap 2 (near)" \
    -o docs/thunder-clap-spectrogram.png
echo "== Spectrograms: docs/rain-loop-spectrogram.png docs/thunder-clap-spectrogram.png"

echo "== The saver's audio output over a ramp-up (density 25, rain volume 0.8)"
exec {fd}<> <(:)
Xvfb -displayfd "$fd" -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb=$!
read -r -t 10 number <&"$fd"
export DISPLAY=:$number XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_RUNTIME_DIR"
"$build/tools/pluvo-config" reset >/dev/null
SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$work/out.f32 "$build/src/app/pluvo" /s \
    >"$work/saver.log" 2>&1 &
saver=$!
sleep "$seconds"
xdotool key space
wait "$saver" || true
saver=
for ((s = 0; s < seconds - 1; ++s)); do
    sox -t raw -r 44100 -e floating-point -b 32 -c 2 "$work/out.f32" -n trim "$s" 1 stat 2>&1 |
        awk -v s="$s" '/^RMS     amplitude/ {
            if ($3 > 0) printf "%d-%d s: RMS %7.2f dBFS\n", s, s + 1, 20 * log($3) / log(10)
            else printf "%d-%d s: silent\n", s, s + 1}'
done
