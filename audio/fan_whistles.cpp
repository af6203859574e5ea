// fan_whistles.cpp -- finger whistles: sine tones between 2 and 3.6 kHz gliding up and down.
#include "audio/fan_whistles.h"

#include "audio/sound_math.h"

namespace audio {

namespace {

constexpr float kLevel = 0.08f;
constexpr float kAttackRate = glideRate(0.02f);
constexpr float kReleaseRate = glideRate(0.08f);
constexpr float kSlideRate = glideRate(0.06f);

}  // namespace

FanWhistles initialFanWhistles(std::uint32_t seed, float pan) {
    FanWhistles whistles{};
    whistles.choices = seed;
    for (int i = 0; i < kWhistlers; ++i)
        whistles.hertz[i] = whistles.goal[i] = 2600.0f;
    const PanGains gains = panGains(pan);
    whistles.left = gains.left;
    whistles.right = gains.right;
    return whistles;
}

void jeer(FanWhistles& whistles, float seconds) {
    whistles.blocks = blocksIn(seconds);
}

void steerFanWhistles(FanWhistles& whistles) {
    if (whistles.blocks > 0)
        --whistles.blocks;
    const float level = whistles.blocks > 0 ? 1.0f : 0.0f;
    glide(whistles.envelope, level, level > whistles.envelope ? kAttackRate : kReleaseRate);
    rampGain(whistles.gain, whistles.gainStep, whistles.envelope * kLevel);
    if (whistles.gain == 0.0f && whistles.gainStep == 0.0f)
        return;
    for (int i = 0; i < kWhistlers; ++i) {
        if (--whistles.turn[i] <= 0) {
            whistles.goal[i] = between(whistles.choices, 2000.0f, 3600.0f);
            whistles.turn[i] = 80 + pick(whistles.choices, 320);
        }
        glide(whistles.hertz[i], whistles.goal[i], kSlideRate);
        whistles.step[i] = phaseStep(whistles.hertz[i]);
    }
}

void renderFanWhistles(FanWhistles& whistles, float* left, float* right, int count) {
    if (whistles.gain == 0.0f && whistles.gainStep == 0.0f)
        return;
    float gain = whistles.gain;
    for (int i = 0; i < count; ++i) {
        float tone = 0.0f;
        for (int w = 0; w < kWhistlers; ++w) {
            whistles.phase[w] += whistles.step[w];
            tone += sine(whistles.phase[w]);
        }
        left[i] += tone * gain * whistles.left;
        right[i] += tone * gain * whistles.right;
        gain += whistles.gainStep;
    }
    whistles.gain = gain;
}

}  // namespace audio
