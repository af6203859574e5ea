// roar.cpp -- the goal's roar's breath: noise through a wide vowel band and a bright low-pass.
#include "audio/roar.h"

#include "audio/sound_math.h"

namespace audio {

namespace {

constexpr float kLevel = 1.15f;
constexpr float kBrightRate = lowPassRate(2000.0f);
// The state-variable filter: 2 sin(pi f / rate) for 750 Hz, and a damping of
// 0.8 (a broad band, as a crowd's voices spread).
constexpr float kBandFrequency = 0.0981f;
constexpr float kBandDamping = 0.8f;

}  // namespace

Roar initialRoar() {
    Roar roar{};
    roar.noise = 0x27D4EB2Fu;
    return roar;
}

void steerRoar(Roar& roar, const float level[2]) {
    for (int side = 0; side < 2; ++side)
        rampGain(roar.gain[side], roar.gainStep[side], kLevel * level[side]);
}

void renderRoar(Roar& roar, float* left, float* right, int count) {
    if (roar.gain[0] == 0.0f && roar.gainStep[0] == 0.0f && roar.gain[1] == 0.0f &&
        roar.gainStep[1] == 0.0f)
        return;
    for (int i = 0; i < count; ++i) {
        const float x = noiseSample(roar.noise);
        roar.low += kBandFrequency * roar.band;
        roar.band += kBandFrequency * (x - roar.low - kBandDamping * roar.band);
        roar.bright += (x - roar.bright) * kBrightRate;
        const float sound = roar.band + 0.3f * roar.bright;
        left[i] += sound * roar.gain[0];
        right[i] += sound * roar.gain[1];
        roar.gain[0] += roar.gainStep[0];
        roar.gain[1] += roar.gainStep[1];
    }
}

}  // namespace audio
