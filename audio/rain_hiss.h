// rain_hiss.h -- the rain: a hiss that follows the rain's strength.
#pragma once

#include <cstdint>

namespace audio {

struct RainHiss {
    std::uint32_t noise[2];  // one generator per side: rain falls all around
    float lowCut[2];         // a one-pole low-pass near 1.5 kHz, taken away
    float tone[2];           // a one-pole low-pass near 7 kHz: soft, not harsh
    float gain;              // this sample's level, ramped across a control block
    float gainStep;
};

RainHiss initialRainHiss();

// Once a control block: the level for the (glided) rain strength, 0..1.
void steerRainHiss(RainHiss& hiss, float rain);

// Adds `count` samples (at most a control block's worth) to each side; nothing
// runs in dry weather.
void renderRainHiss(RainHiss& hiss, float* left, float* right, int count);

}  // namespace audio
