// glottal_source.h -- a voice's buzz: the pulses of air through the vocal folds, each its own
// pitch.
#pragma once

#include <cstdint>

#include "audio/sound_math.h"

namespace audio {

// The pulses' shape: open for 60 % of a period (the flow a smooth rise and a
// sharp close, x^2 (1 - x)), closed for the rest. Its derivative is what the
// mouth radiates: a click at every closing, with harmonics falling away
// gently, the raw material of every vowel.
constexpr float kGlottalOpen = 0.6f;

struct GlottalSource {
    std::uint32_t phase;
    std::uint32_t step;   // this period's phase advance
    float hertz;          // the pitch steered to; every period differs from it a little
    float scale;          // evens out the pulses' strength across pitches
    float flow;           // the last sample's flow
    std::uint32_t noise;  // the periods' jitter
};

// The flow's steepest fall is one unit per open phase: scaled by that phase's
// length in samples, every pitch pulses about as strongly.
inline void setPitch(GlottalSource& source, float hertz) {
    source.hertz = hertz;
    source.scale = kGlottalOpen * kSampleRate / hertz;
}

inline GlottalSource initialGlottalSource(std::uint32_t seed, float hertz) {
    GlottalSource source{};
    source.noise = seed;
    source.phase = nextNoise(source.noise);  // voices never start in step
    setPitch(source, hertz);
    source.step = phaseStep(hertz);
    return source;
}

// One sample of the radiated pulse, about -1..1; `jitter` is the spread of
// each period's pitch (0.01: 1 %).
inline float glottalPulse(GlottalSource& source, float jitter) {
    const std::uint32_t before = source.phase;
    source.phase += source.step;
    if (source.phase < before)  // a new period: its own pitch
        source.step = phaseStep(source.hertz * (1.0f + jitter * noiseSample(source.noise)));
    const float x = static_cast<float>(source.phase) * (1.0f / (kGlottalOpen * 4294967296.0f));
    const float flow = x < 1.0f ? x * x * (1.0f - x) : 0.0f;
    const float radiated = flow - source.flow;
    source.flow = flow;
    return radiated * source.scale;
}

}  // namespace audio
