// roar.cpp -- the goal's roar: noise through a wide vowel band and a bright low-pass, with surges.
#include "audio/roar.h"

#include "audio/sound_math.h"

namespace audio {

namespace {

constexpr float kLevel = 1.1f;
constexpr float kAttackRate = glideRate(0.12f);
constexpr float kReleaseRate = glideRate(1.1f);
constexpr float kCheerRate = glideRate(0.08f);
constexpr float kBrightRate = lowPassRate(3000.0f);
// The state-variable filter: 2 sin(pi f / rate) for 750 Hz, and a damping of
// 0.8 (a broad band, as a crowd's voices spread).
constexpr float kBandFrequency = 0.0981f;
constexpr float kBandDamping = 0.8f;

}  // namespace

Roar initialRoar() {
    Roar roar{};
    roar.noise[0] = 0x27D4EB2Fu;
    roar.noise[1] = 0x165667B1u;
    roar.cheerNoise = 0x9E3779B9u;
    roar.cheer = roar.cheerGoal = 1.0f;
    return roar;
}

void steerRoar(Roar& roar, bool held) {
    glide(roar.envelope, held ? 1.0f : 0.0f, held ? kAttackRate : kReleaseRate);
    if (--roar.cheerBlocks <= 0) {
        roar.cheerGoal = 0.8f + 0.4f * noiseUnit(roar.cheerNoise);
        roar.cheerBlocks = 90 + static_cast<int>(nextNoise(roar.cheerNoise) % 250u);
    }
    glide(roar.cheer, roar.cheerGoal, kCheerRate);
    rampGain(roar.gain, roar.gainStep, kLevel * roar.envelope * roar.cheer);
}

void renderRoar(Roar& roar, float* left, float* right, int count) {
    if (roar.gain == 0.0f && roar.gainStep == 0.0f)
        return;
    float* const out[2] = {left, right};
    float gain = roar.gain;
    for (int side = 0; side < 2; ++side) {
        std::uint32_t noise = roar.noise[side];
        float low = roar.low[side];
        float band = roar.band[side];
        float bright = roar.bright[side];
        gain = roar.gain;
        for (int i = 0; i < count; ++i) {
            const float x = noiseSample(noise);
            low += kBandFrequency * band;
            band += kBandFrequency * (x - low - kBandDamping * band);
            bright += (x - bright) * kBrightRate;
            out[side][i] += (band + 0.5f * bright) * gain;
            gain += roar.gainStep;
        }
        roar.noise[side] = noise;
        roar.low[side] = low;
        roar.band[side] = band;
        roar.bright[side] = bright;
    }
    roar.gain = gain;
}

}  // namespace audio
