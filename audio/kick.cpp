// kick.cpp -- the thud: a sine whose pitch drops fast as it decays, and a slap of filtered noise.
#include "audio/kick.h"

#include <cmath>

#include "audio/sound_math.h"

namespace audio {

namespace {

constexpr float kFloorHertz = 95.0f;
constexpr float kSweepDecay = 0.9985f;  // the pitch falls with a time constant of 14 ms
constexpr float kBodyDecay = 0.99915f;  // the thud with one of 25 ms
constexpr float kClickDecay = 0.985f;   // the slap with one of 1.4 ms
constexpr float kClickRate = lowPassRate(3500.0f);
constexpr int kAttackSamples = 48;
constexpr float kLevel = 0.6f;

}  // namespace

Kick initialKick(std::uint32_t seed) {
    Kick kick{};
    kick.noise = seed;
    return kick;
}

void startKick(Kick& kick, bool shot, float pan) {
    kick.body = shot ? 1.0f : 0.6f;
    kick.click = shot ? 0.6f : 0.35f;
    kick.startHertz = shot ? 260.0f : 220.0f;
    kick.sweep = 1.0f;
    kick.phase = 0;
    kick.attack = 0;
    // Square roots are exact in every C library: the panning needs no table.
    kick.gainLeft = std::sqrt(0.5f * (1.0f - pan));
    kick.gainRight = std::sqrt(0.5f * (1.0f + pan));
}

void renderKick(Kick& kick, float* left, float* right, int count) {
    for (int i = 0; i < count && kick.body > 0.0f; ++i) {
        const float hertz = kFloorHertz + (kick.startHertz - kFloorHertz) * kick.sweep;
        kick.sweep *= kSweepDecay;
        kick.phase += phaseStep(hertz);
        float shape = 1.0f;
        if (kick.attack < kAttackSamples)
            shape = static_cast<float>(++kick.attack) * (1.0f / kAttackSamples);
        kick.clickTone += (noiseSample(kick.noise) - kick.clickTone) * kClickRate;
        const float sample =
            (sine(kick.phase) * kick.body * shape + kick.clickTone * kick.click) * kLevel;
        left[i] += sample * kick.gainLeft;
        right[i] += sample * kick.gainRight;
        kick.body *= kBodyDecay;
        kick.click *= kClickDecay;
        if (kick.click < 1e-6f)
            kick.click = 0.0f;    // never denormal
        if (kick.body < 1e-4f) {  // inaudible: the kick is over, to the sample
            kick.body = 0.0f;
            kick.click = 0.0f;
        }
    }
}

}  // namespace audio
