// roar.h -- the crowd's roar at a goal: held through the celebration, falling away after.
#pragma once

#include <cstdint>

namespace audio {

struct Roar {
    std::uint32_t noise[2];  // one generator per side, as the crowd's
    float low[2];            // a state-variable filter: the open vowel of thousands of voices
    float band[2];
    float bright[2];  // a one-pole low-pass near 3 kHz: the cheering's hiss
    float envelope;   // 0..1: rises fast while held, falls away slowly
    float cheer;      // the roar's own surges
    float cheerGoal;
    std::int32_t cheerBlocks;
    std::uint32_t cheerNoise;
    float gain;  // this sample's level, ramped across a control block
    float gainStep;
};

Roar initialRoar();

// Once a control block: `held` while a goal is being celebrated.
void steerRoar(Roar& roar, bool held);

// Adds `count` samples (at most a control block's worth) to each side; nothing
// runs while the roar is silent.
void renderRoar(Roar& roar, float* left, float* right, int count);

}  // namespace audio
