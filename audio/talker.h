// talker.h -- one person in the crowd: phrases of syllables, each a vowel on a pitch, and a shout
// now and then.
#pragma once

#include <cstdint>

#include "audio/formants.h"
#include "audio/glottal_source.h"

namespace audio {

struct Talker {
    GlottalSource source;
    FormantBank formants;
    float size;        // the mouth's size: the formants' scale
    float base;        // the person's own pitch (Hz)
    float pitch;       // the speaking pitch, drifting from phrase to phrase
    float pitchGoal;   // this syllable's pitch
    float intonation;  // the phrase's line, falling syllable by syllable
    float level;       // this syllable's loudness, 0 between syllables
    float envelope;    // gliding towards it, once a control block
    float gain;        // this sample's level, ramped across a control block
    float gainStep;
    float air;   // a one-pole low-pass near 3 kHz: the distance softens the voice
    float left;  // where the person sits: constant-power gains
    float right;
    std::int32_t blocks;     // control blocks left in this syllable, gap or pause
    std::int32_t syllables;  // left in this phrase
    std::int32_t voiced;     // 1 in a syllable or shout, 0 in a gap or pause
    std::int32_t shouting;   // blocks left in a shout; its pitch falls after shoutTurn
    std::int32_t shoutTurn;
    std::uint32_t noise;  // the person's choices
};

// `pan` -1 left .. +1 right; `pitch` the speaking pitch, 90 to 300 Hz.
Talker initialTalker(std::uint32_t seed, float pan, float pitch);

// A shout of `strength` (its level against speech), unless one is under way:
// a vowel high above the speaking pitch, rising, then falling away.
void shout(Talker& talker, float strength);

// Once a control block: the phrases go on, and the level follows `loudness`.
void steerTalker(Talker& talker, float loudness);

// Adds `count` samples (at most a control block's worth) to each side;
// nothing runs while the person is quiet.
void renderTalker(Talker& talker, float* left, float* right, int count);

}  // namespace audio
