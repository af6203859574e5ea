// kick.cpp -- the thud: a sine whose pitch drops fast as it decays, and a slap of filtered noise,
// both rising over 3 ms: a kick starts without a step, even over one still sounding.
#include "audio/kick.h"

#include "audio/sound_math.h"

namespace audio {

namespace {

constexpr float kFloorHertz = 95.0f;
constexpr float kSweepDecay = 0.9985f;  // the pitch falls with a time constant of 14 ms
constexpr float kBodyDecay = 0.99915f;  // the thud with one of 25 ms
constexpr float kClickDecay = 0.993f;   // the slap with one of 3 ms
constexpr float kClickRate = lowPassRate(2500.0f);
constexpr int kAttackSamples = 144;
constexpr float kLevel = 0.6f;

// The level sounding now: within the attack, on its way from where it began.
float sounding(const Kick& kick, float level, float from) {
    return kick.attack < kAttackSamples ? from + (level - from) * kick.shape : level;
}

}  // namespace

Kick initialKick(std::uint32_t seed) {
    Kick kick{};
    kick.noise = seed;
    return kick;
}

void startKick(Kick& kick, bool shot, float pan) {
    // The levels rise from where a kick still sounding has fallen to; the
    // phase runs on.
    kick.bodyFrom = sounding(kick, kick.body, kick.bodyFrom);
    kick.clickFrom = sounding(kick, kick.click, kick.clickFrom);
    kick.shape = 0.0f;
    kick.body = shot ? 1.0f : 0.6f;
    kick.click = shot ? 0.7f : 0.4f;
    kick.startHertz = shot ? 260.0f : 220.0f;
    kick.sweep = 1.0f;
    kick.attack = 0;
    const PanGains gains = panGains(pan);
    kick.gainLeft = gains.left;
    kick.gainRight = gains.right;
}

void renderKick(Kick& kick, float* left, float* right, int count) {
    for (int i = 0; i < count && kick.body > 0.0f; ++i) {
        const float hertz = kFloorHertz + (kick.startHertz - kFloorHertz) * kick.sweep;
        kick.sweep *= kSweepDecay;
        kick.phase += phaseStep(hertz);
        if (kick.attack < kAttackSamples)
            kick.shape = static_cast<float>(kick.attack + 1) * (1.0f / kAttackSamples);
        const float body = sounding(kick, kick.body, kick.bodyFrom);
        const float click = sounding(kick, kick.click, kick.clickFrom);
        if (kick.attack < kAttackSamples)
            ++kick.attack;
        kick.clickTone += (noiseSample(kick.noise) - kick.clickTone) * kClickRate;
        const float sample = (sine(kick.phase) * body + kick.clickTone * click) * kLevel;
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
