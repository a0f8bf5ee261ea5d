#pragma once

#include <cstdint>

// The decibel scales of the buffer operations, and the channel gains they come to.
namespace Sound {

// trunc(pan x 10000), kept within -10000..10000; a pan that is not a number is the centre.
int32_t panHundredths(float pan);
// trunc((1 - volume) x -4000) for a volume above 0, kept at or below 0; silence (-10000) for
// 0, less, or not a number.
int32_t volumeHundredths(float volume);

struct ChannelGains {
    float left;
    float right;
};

// The layer pans by attenuation: a pan to the right lowers only the left channel, a pan to
// the left only the right one, and the volume lowers both. -10000 or less is silence.
ChannelGains channelGains(int32_t volume, int32_t pan);

} // namespace Sound
