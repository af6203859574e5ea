// roar.h -- the breath of thousands in a goal's roar: noise on an open vowel, under the voices.
#pragma once

#include <cstdint>

namespace audio {

// One sound for the whole stadium, heard on each side as loud as that side
// roars: the same breath in both ears, as a roar that fills the ground is.
struct Roar {
    std::uint32_t noise;
    float low;  // a state-variable filter: the open vowel of thousands of voices
    float band;
    float bright;   // a one-pole low-pass near 2 kHz: the cheering's hiss
    float gain[2];  // this sample's level on each side, ramped across a control block
    float gainStep[2];
};

Roar initialRoar();

// Once a control block: each side's level (its supporters' roar, 0..1).
void steerRoar(Roar& roar, const float level[2]);

// Adds `count` samples (at most a control block's worth) to each side;
// nothing runs while the roar is silent.
void renderRoar(Roar& roar, float* left, float* right, int count);

}  // namespace audio
