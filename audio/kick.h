// kick.h -- a kick of the ball: a short thud, louder for a shot, placed where the ball is.
#pragma once

#include <cstdint>

namespace audio {

struct Kick {
    float body;   // the thud's level; 0 when the kick is over
    float sweep;  // 1 -> 0: the thud's pitch falls from its start to its floor
    float startHertz;
    float click;      // the leather's slap, gone in a few milliseconds
    float clickTone;  // the slap's noise through a low-pass
    float gainLeft;   // constant-power panning
    float gainRight;
    std::uint32_t phase;
    std::int32_t attack;  // samples into the 3 ms attack
    float shape;          // 0..1 through it
    float bodyFrom;       // the levels the attack starts from: 0, or a kick still sounding
    float clickFrom;
    std::uint32_t noise;
};

Kick initialKick(std::uint32_t seed);

// Starts a kick: a shot or a pass, at `pan` (-1 left .. +1 right).
void startKick(Kick& kick, bool shot, float pan);

// Adds `count` samples to each side; nothing runs once the thud is over.
void renderKick(Kick& kick, float* left, float* right, int count);

}  // namespace audio
