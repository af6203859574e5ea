// choir.h -- many people on one vowel: a chant's syllable, an "ooh", a roar, a boo.
#pragma once

#include <cstdint>

#include "audio/formants.h"
#include "audio/glottal_source.h"

namespace audio {

constexpr int kChoirVoices = 8;

// Voices of their own pitches summed through one vowel's formants: the same
// vowel from many throats costs one filter. Whoever leads the choir sets the
// public fields and calls steerChoir once a control block.
struct Choir {
    GlottalSource voices[kChoirVoices];
    float offsets[kChoirVoices];  // each voice's place in the spread, -1..1, drifting
    FormantBank formants;
    float size;       // the mouths' size: the formants' scale
    float pitch;      // the centre pitch now (Hz)
    float pitchGoal;  // where it glides, at pitchRate (a glideRate)
    float pitchRate;
    float spread;  // the voices' pitches apart: 0.01 near unison, 0.4 each their own
    float jitter;  // each period's pitch spread
    float breath;  // noise in the buzz: hoarse, shouting throats
    float level;   // the envelope's goal, reached at levelRate (a glideRate)
    float levelRate;
    float envelope;
    float gain;  // this sample's level, ramped across a control block
    float gainStep;
    float left;  // where the voices stand: constant-power gains
    float right;
    std::uint32_t noise;
};

Choir initialChoir(std::uint32_t seed, float pan, float pitch);

// Once a control block: the pitch, the voices' drift, the vowel and the level glide.
void steerChoir(Choir& choir);

// Adds `count` samples (at most a control block's worth) to each side;
// nothing runs while the choir is silent.
void renderChoir(Choir& choir, float* left, float* right, int count);

}  // namespace audio
