#include "sound/Voice.h"

#include <array>

namespace Sound {

namespace {

constexpr uint64_t one = uint64_t{1} << 32;
constexpr float fractionScale = 1.0f / 4294967296.0f;

// Unsigned 8-bit samples as -1..1.
const std::array<float, 256> sampleValues = [] {
    std::array<float, 256> values{};
    for (int i = 0; i < 256; ++i) {
        values[static_cast<std::size_t>(i)] = static_cast<float>(i - 128) / 128.0f;
    }
    return values;
}();

} // namespace

Voice::Voice(Pcm pcm) : pcm_(std::move(pcm)) {
    control_.rate = pcm_.rate;
}

void Voice::start(bool looping) {
    const std::lock_guard lock(mutex_);
    control_.playing = true;
    control_.looping = looping;
    ++control_.revision;
}

void Voice::stop() {
    const std::lock_guard lock(mutex_);
    control_.playing = false;
    ++control_.revision;
}

void Voice::setGains(ChannelGains gains) {
    const std::lock_guard lock(mutex_);
    control_.gains = gains;
}

void Voice::setRate(int32_t rate) {
    const std::lock_guard lock(mutex_);
    control_.rate = rate;
}

void Voice::setFrame(uint32_t frame) {
    const std::lock_guard lock(mutex_);
    control_.position = uint64_t{frame} << 32;
    ++control_.revision;
}

bool Voice::isPlaying() const {
    const std::lock_guard lock(mutex_);
    return control_.playing;
}

void Voice::mixInto(float* out, uint32_t frames, int32_t deviceRate) {
    Control control;
    {
        const std::lock_guard lock(mutex_);
        control = control_;
    }
    if (!control.playing) {
        wasPlaying_ = false;
        return;
    }
    if (!wasPlaying_) {
        lastGains_ = control.gains;
    }
    const Cursor cursor = render(control, out, frames, deviceRate);
    storeCursor(control, cursor);
    lastGains_ = control.gains;
    wasPlaying_ = cursor.playing;
}

// Linear interpolation between neighbouring frames; a mono recording feeds both channels. A
// one-shot recording that reaches its end stops and is wound back to its start.
Voice::Cursor Voice::render(const Control& control, float* out, uint32_t frames,
                            int32_t deviceRate) {
    const uint64_t length = pcm_.frames();
    const uint64_t end = length << 32;
    const uint64_t step =
        (static_cast<uint64_t>(control.rate) << 32) / static_cast<uint64_t>(deviceRate);
    const uint32_t channels = pcm_.blockAlign();
    const uint32_t right = channels > 1 ? 1 : 0;
    const uint8_t* samples = pcm_.samples.data();
    const float leftStep = (control.gains.left - lastGains_.left) / static_cast<float>(frames);
    const float rightStep = (control.gains.right - lastGains_.right) / static_cast<float>(frames);
    float leftGain = lastGains_.left;
    float rightGain = lastGains_.right;
    uint64_t position = control.position;
    for (uint32_t i = 0; i < frames; ++i) {
        if (position >= end) {
            if (!control.looping || length == 0) {
                return {0, false};
            }
            position %= end;
        }
        const uint64_t frame = position >> 32;
        uint64_t next = frame + 1;
        if (next == length) {
            next = control.looping ? 0 : frame;
        }
        const float t = static_cast<float>(position & (one - 1)) * fractionScale;
        const uint8_t* a = samples + frame * channels;
        const uint8_t* b = samples + next * channels;
        const float left = sampleValues[a[0]] + t * (sampleValues[b[0]] - sampleValues[a[0]]);
        const float rightSample =
            sampleValues[a[right]] + t * (sampleValues[b[right]] - sampleValues[a[right]]);
        leftGain += leftStep;
        rightGain += rightStep;
        out[2 * i] += left * leftGain;
        out[2 * i + 1] += rightSample * rightGain;
        position += step;
    }
    return {position, true};
}

void Voice::storeCursor(const Control& seen, const Cursor& cursor) {
    const std::lock_guard lock(mutex_);
    if (control_.revision == seen.revision) {
        control_.position = cursor.position;
        control_.playing = cursor.playing;
    }
}

} // namespace Sound
