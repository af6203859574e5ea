// formants.cpp -- the vowels' formant frequencies and the resonators tuned to them.
#include "audio/formants.h"

#include "audio/sound_math.h"

namespace audio {

namespace {

// A grown man's formants (Hz), the classic measurements rounded.
constexpr float kVowelFormants[kVowelCount][kFormants] = {
    {730.0f, 1090.0f, 2440.0f},  // ah
    {530.0f, 1840.0f, 2480.0f},  // eh
    {270.0f, 2290.0f, 3010.0f},  // ee
    {570.0f, 840.0f, 2410.0f},   // oh
    {300.0f, 870.0f, 2240.0f},   // oo
    {660.0f, 1720.0f, 2410.0f},  // a (cat)
    {640.0f, 1190.0f, 2390.0f},  // uh
    {490.0f, 1350.0f, 1690.0f},  // er
};

// Bandwidths a little wider than one voice's: a crowd's mouths differ.
constexpr float kBandwidth[kFormants] = {90.0f, 120.0f, 180.0f};
constexpr float kLevel[kFormants] = {1.0f, 0.7f, 0.35f};

// The buzz is strongest low down: a first formant as low as an "ee"'s would
// take most of it. Its level follows its frequency, so an "ah" is the
// loudest vowel, as in a voice.
float formantLevel(int formant, float hertz) {
    return formant == 0 ? kLevel[0] * hertz * (1.0f / 700.0f) : kLevel[formant];
}

// The resonator's poles at `hertz`, their radius from the bandwidth; the gain
// brings the peak to about `level`: (1 - r) |1 - r e^(-2i theta)| ~ (1 - r) 2 sin theta.
void tune(Resonator& resonator, float hertz, float bandwidth, float level) {
    const float radius = 1.0f - kPi * bandwidth / kSampleRate;
    const std::uint32_t angle = phaseStep(hertz);
    resonator.a1 = 2.0f * radius * cosine(angle);
    resonator.a2 = radius * radius;
    resonator.gain = level * (1.0f - radius) * 2.0f * sine(angle);
}

}  // namespace

FormantBank initialFormants(Vowel vowel, float size) {
    FormantBank bank{};
    aimFormants(bank, vowel, size);
    for (int i = 0; i < kFormants; ++i) {
        bank.hertz[i] = bank.goal[i];
        tune(bank.resonators[i], bank.hertz[i], kBandwidth[i], formantLevel(i, bank.hertz[i]));
    }
    return bank;
}

void aimFormants(FormantBank& bank, Vowel vowel, float size) {
    for (int i = 0; i < kFormants; ++i)
        bank.goal[i] = kVowelFormants[vowel][i] * size;
}

void steerFormants(FormantBank& bank, float rate) {
    for (int i = 0; i < kFormants; ++i) {
        if (bank.hertz[i] == bank.goal[i])
            continue;
        bank.hertz[i] += (bank.goal[i] - bank.hertz[i]) * rate;
        const float left = bank.goal[i] - bank.hertz[i];
        if (left < 0.5f && left > -0.5f)  // half a hertz away: there, and no more retuning
            bank.hertz[i] = bank.goal[i];
        tune(bank.resonators[i], bank.hertz[i], kBandwidth[i], formantLevel(i, bank.hertz[i]));
    }
}

}  // namespace audio
