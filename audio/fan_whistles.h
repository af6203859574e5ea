// fan_whistles.h -- supporters whistling through their fingers at the other side's players.
#pragma once

#include <cstdint>

namespace audio {

constexpr int kWhistlers = 2;

struct FanWhistles {
    std::uint32_t phase[kWhistlers];
    std::uint32_t step[kWhistlers];  // this block's pitch
    float hertz[kWhistlers];         // gliding towards goal
    float goal[kWhistlers];
    std::int32_t turn[kWhistlers];  // control blocks until the whistler's next glide
    float envelope;
    float gain;  // this sample's level, ramped across a control block
    float gainStep;
    float left;  // where they sit: constant-power gains
    float right;
    std::int32_t blocks;  // left in the jeer
    std::uint32_t choices;
};

FanWhistles initialFanWhistles(std::uint32_t seed, float pan);

// Whistling for `seconds`, shrill tones sliding up and down.
void jeer(FanWhistles& whistles, float seconds);

// Once a control block: the slides and the level.
void steerFanWhistles(FanWhistles& whistles);

// Adds `count` samples (at most a control block's worth) to each side;
// nothing runs while nobody whistles.
void renderFanWhistles(FanWhistles& whistles, float* left, float* right, int count);

}  // namespace audio
