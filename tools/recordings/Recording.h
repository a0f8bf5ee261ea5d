#pragma once

#include <cstddef>
#include <vector>

// Float samples in -1..1, one vector per channel.
struct Recording {
    int rate = 0;
    std::vector<std::vector<float>> channels;

    Recording(int sampleRate, std::size_t channelCount, std::size_t frames)
        : rate(sampleRate), channels(channelCount, std::vector<float>(frames, 0.0f)) {}

    std::size_t frames() const { return channels.empty() ? 0 : channels.front().size(); }
};
