#pragma once

#include <cstdint>

// What a buffer lets its owner change, and the results the sound layer fails with.
namespace Sound {

constexpr uint32_t DSBCAPS_STATIC = 0x02;
constexpr uint32_t DSBCAPS_CTRLFREQUENCY = 0x20;
constexpr uint32_t DSBCAPS_CTRLPAN = 0x40;
constexpr uint32_t DSBCAPS_CTRLVOLUME = 0x80;

constexpr int32_t DSERR_INVALIDPARAM = static_cast<int32_t>(0x80070057u);
constexpr int32_t DSERR_CONTROLUNAVAIL = static_cast<int32_t>(0x8878001Eu);

// Levels in hundredths of a decibel.
constexpr int32_t DSBVOLUME_MAX = 0;
constexpr int32_t DSBVOLUME_MIN = -10000;
constexpr int32_t DSBPAN_LEFT = -10000;
constexpr int32_t DSBPAN_RIGHT = 10000;
constexpr int32_t DSBFREQUENCY_ORIGINAL = 0;
constexpr int32_t DSBFREQUENCY_MIN = 100;
constexpr int32_t DSBFREQUENCY_MAX = 100000;

} // namespace Sound
