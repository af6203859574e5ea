// murmur.h -- the far crowd: filtered noise with slow swells, under the voices near enough to tell.
#pragma once

#include <cstdint>

namespace audio {

// Index 0 is the left side, 1 the right: each side has its own generators, so
// the crowd surrounds the listener rather than sitting in the middle.
struct Murmur {
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

Murmur initialMurmur();

// Once a control block: the brightness for the (glided) danger and rain, and
// the next ramp of each side's gain towards its `loudness`.
void steerMurmur(Murmur& murmur, float danger, float rain, const float loudness[2]);

// Adds `count` samples (at most a control block's worth) to each side.
void renderMurmur(Murmur& murmur, float* left, float* right, int count);

}  // namespace audio
