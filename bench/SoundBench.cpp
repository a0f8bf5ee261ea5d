// The sound's two costs: one period of the mixer on the audio thread (the rain loop and two
// thunder claps playing at once, as during a storm), and decoding every recording at start-up
// in the order the scene makes them (the rain with the drops, then the seven claps).
#include "sound/BufferCaps.h"
#include "sound/Mixer.h"
#include "sound/OggVorbisFile.h"
#include "sound/ResourceStream.h"
#include "sound/SoundBuffer.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

constexpr uint32_t periodFrames = 1024;
constexpr int32_t rainRecording = 136;
constexpr int32_t firstClap = 137;
constexpr int32_t lastClap = 143;
constexpr uint32_t clapFlags =
    Sound::DSBCAPS_CTRLPAN | Sound::DSBCAPS_CTRLVOLUME | Sound::DSBCAPS_STATIC;

Sound::Pcm decode(int32_t id) {
    Sound::ResourceStream stream(id);
    return Sound::OggVorbisFile(stream).decodeToPcm8();
}

void replayWhenEnded(Sound::SoundBuffer& clap) {
    if (!clap.isPlaying()) {
        clap.play();
    }
}

void BM_MixerPeriodRainAndTwoClaps(benchmark::State& state) {
    const auto mixer = std::make_shared<Sound::Mixer>(static_cast<int32_t>(state.range(0)));
    Sound::SoundBuffer rain(mixer, decode(rainRecording), Sound::DSBCAPS_CTRLVOLUME);
    Sound::SoundBuffer nearClap(mixer, decode(firstClap), clapFlags);
    Sound::SoundBuffer farClap(mixer, decode(lastClap), clapFlags);
    rain.setVolume(0.8f);
    rain.playLooping();
    nearClap.setPan(-0.4f);
    farClap.setPan(0.7f);
    farClap.setVolume(0.6f);
    std::vector<float> out(2 * periodFrames);
    for (auto _ : state) {
        replayWhenEnded(nearClap);
        replayWhenEnded(farClap);
        mixer->mix(out.data(), periodFrames);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * periodFrames);
}
BENCHMARK(BM_MixerPeriodRainAndTwoClaps)->Arg(44100)->Arg(48000);

void BM_DecodeAllRecordingsAtStartUp(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(decode(rainRecording));
        for (int32_t id = firstClap; id <= lastClap; ++id) {
            benchmark::DoNotOptimize(decode(id));
        }
    }
}
BENCHMARK(BM_DecodeAllRecordingsAtStartUp)->Unit(benchmark::kMillisecond);

void BM_DecodeRainLoop(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(decode(rainRecording));
    }
}
BENCHMARK(BM_DecodeRainLoop)->Unit(benchmark::kMillisecond);

} // namespace
