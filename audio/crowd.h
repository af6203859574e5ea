// crowd.h -- the crowd: filtered noise with slow swells, following the play and weather.
#pragma once

#include <cstdint>

namespace audio {

// Index 0 is the left side, 1 the right: each side has its own generators, so
// the crowd surrounds the listener rather than sitting in the middle.
struct Crowd {
    std::uint32_t noise[2];
    float lowCut[2];  // a one-pole low-pass near 250 Hz, taken away: the rumble
    float toneA[2];   // two one-pole low-passes at the brightness cutoff
    float toneB[2];
    float toneRate;  // their coefficient, steered with the danger
    float gain[2];   // this sample's level, ramped across a control block
    float gainStep[2];
    float swell[2];  // slow swells of the whole crowd (seconds)
    float swellGoal[2];
    float chatter[2];  // the flutter of many voices (tens of milliseconds)
    float chatterGoal[2];
    std::uint32_t moodNoise;      // draws for the swells' and chatter's goals
    std::int32_t swellBlocks[2];  // control blocks until the next swell goal
    std::int32_t chatterBlocks[2];
};

Crowd initialCrowd();

// Once a control block: the level and brightness for the (glided) danger and
// rain, and the next ramp of each side's gain.
void steerCrowd(Crowd& crowd, float danger, float rain);

// Adds `count` samples (at most a control block's worth) to each side.
void renderCrowd(Crowd& crowd, float* left, float* right, int count);

}  // namespace audio
