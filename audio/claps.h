// claps.h -- hands clapping: together on a chant's beat, or all at once as applause.
#pragma once

#include <cstdint>

namespace audio {

struct Claps {
    std::uint32_t noise;
    float low;  // a state-variable filter: the band of cupped hands, near 1.5 kHz
    float band;
    float strike;  // the claps' level: each clap adds to it, and it dies in milliseconds
    float coming;  // the next clap's height, struck `comingIn` samples from now (-1: none)
    std::int32_t comingIn;
    float envelope;  // following it within a millisecond: no clap starts with a step
    float density;   // applause: claps a second, at random
    float loudness;  // applause: their level
    float left;      // where the hands are: constant-power gains
    float right;
    std::int32_t volley;  // control blocks left of a clap together (many hands, not quite at once)
    float volleyHeight;
    std::uint32_t choices;
};

Claps initialClaps(std::uint32_t seed, float pan);

// Many hands on a beat, spread over about 25 ms.
void clapTogether(Claps& claps, float height);

// Once a control block: the applause's random claps and a volley's.
void steerClaps(Claps& claps);

// Adds `count` samples (at most a control block's worth) to each side;
// nothing runs while no hands move.
void renderClaps(Claps& claps, float* left, float* right, int count);

}  // namespace audio
