// formants.h -- a vowel: three resonances of the mouth and throat, gliding from vowel to vowel.
#pragma once

#include <cstdint>

namespace audio {

// A two-pole resonator: y = gain x + a1 y1 - a2 y2.
struct Resonator {
    float gain;
    float a1;
    float a2;
    float y1;
    float y2;
};

inline float resonate(Resonator& resonator, float x) {
    const float y = resonator.gain * x + resonator.a1 * resonator.y1 - resonator.a2 * resonator.y2;
    resonator.y2 = resonator.y1;
    resonator.y1 = y;
    return y;
}

enum Vowel : std::int32_t {
    kVowelA,   // "ah"
    kVowelE,   // "eh"
    kVowelI,   // "ee"
    kVowelO,   // "oh"
    kVowelU,   // "oo"
    kVowelAe,  // "a" as in "cat"
    kVowelUh,  // "uh"
    kVowelEr,  // "er"
    kVowelCount
};

constexpr int kFormants = 3;

struct FormantBank {
    Resonator resonators[kFormants];
    float hertz[kFormants];  // where the formants are now
    float goal[kFormants];   // the vowel's, scaled by the speaker's size
};

// `size` scales the vowel's formants: 1 for a grown man's mouth, more for a
// smaller one.
FormantBank initialFormants(Vowel vowel, float size);

// The vowel the formants glide to.
void aimFormants(FormantBank& bank, Vowel vowel, float size);

// Once a control block: the formants glide towards the vowel at `rate` (a
// glideRate) and the resonators are retuned while they move.
void steerFormants(FormantBank& bank, float rate);

// One sample through the vowel: the resonances in parallel, the second
// turned over so that the first two join without a notch between them.
inline float shapeVowel(FormantBank& bank, float x) {
    return resonate(bank.resonators[0], x) - resonate(bank.resonators[1], x) +
           resonate(bank.resonators[2], x);
}

}  // namespace audio
