#include "sound/SoundBuffer.h"

#include "display/DX5Error.h"
#include "sound/Attenuation.h"
#include "sound/BufferCaps.h"
#include "sound/Mixer.h"

namespace Sound {

SoundBuffer::SoundBuffer(std::shared_ptr<Mixer> mixer, Pcm pcm, uint32_t flags)
    : mixer_(std::move(mixer)), voice_(std::move(pcm)), flags_(flags) {
    applyGains();
    mixer_->add(voice_);
}

SoundBuffer::~SoundBuffer() {
    mixer_->remove(voice_);
}

void SoundBuffer::play() {
    voice_.start(false);
}

void SoundBuffer::stop() {
    voice_.stop();
}

void SoundBuffer::playLooping() {
    voice_.start(true);
}

void SoundBuffer::setPan(float pan) {
    requireControl(DSBCAPS_CTRLPAN);
    pan_ = panHundredths(pan);
    applyGains();
}

void SoundBuffer::setVolume(float volume) {
    requireControl(DSBCAPS_CTRLVOLUME);
    volume_ = volumeHundredths(volume);
    applyGains();
}

void SoundBuffer::setFrequency(int32_t hertz) {
    requireControl(DSBCAPS_CTRLFREQUENCY);
    if (hertz == DSBFREQUENCY_ORIGINAL) {
        voice_.setRate(voice_.pcm().rate);
        return;
    }
    if (hertz < DSBFREQUENCY_MIN || hertz > DSBFREQUENCY_MAX) {
        throw DX5::Error(DSERR_INVALIDPARAM);
    }
    voice_.setRate(hertz);
}

void SoundBuffer::setPosition(uint32_t byteOffset) {
    const Pcm& pcm = voice_.pcm();
    if (byteOffset >= pcm.samples.size() && byteOffset != 0) {
        throw DX5::Error(DSERR_INVALIDPARAM);
    }
    voice_.setFrame(byteOffset / pcm.blockAlign());
}

void SoundBuffer::requireControl(uint32_t flag) const {
    if ((flags_ & flag) == 0) {
        throw DX5::Error(DSERR_CONTROLUNAVAIL);
    }
}

void SoundBuffer::applyGains() {
    voice_.setGains(channelGains(volume_, pan_));
}

} // namespace Sound
