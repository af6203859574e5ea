// crowd.cpp -- the crowd's murmur: white noise, its rumble taken away, darkened by two low-passes.
#include "audio/crowd.h"

#include "audio/sound_math.h"

namespace audio {

namespace {

constexpr float kLevel = 1.12f;  // the gain at danger 0 in dry weather, before the swells
constexpr float kLowCutRate = lowPassRate(250.0f);
constexpr float kSwellRate = glideRate(0.8f);
constexpr float kChatterRate = glideRate(0.03f);

// A new swell goal every 1.2 to 2.6 s, a new chatter goal every 40 to 130 ms.
void nextMood(Crowd& crowd, int side) {
    if (--crowd.swellBlocks[side] <= 0) {
        crowd.swellGoal[side] = 0.65f + 0.5f * noiseUnit(crowd.moodNoise);
        crowd.swellBlocks[side] = 1200 + static_cast<int>(nextNoise(crowd.moodNoise) % 1400u);
    }
    if (--crowd.chatterBlocks[side] <= 0) {
        crowd.chatterGoal[side] = 0.75f + 0.5f * noiseUnit(crowd.moodNoise);
        crowd.chatterBlocks[side] = 40 + static_cast<int>(nextNoise(crowd.moodNoise) % 90u);
    }
    glide(crowd.swell[side], crowd.swellGoal[side], kSwellRate);
    glide(crowd.chatter[side], crowd.chatterGoal[side], kChatterRate);
}

}  // namespace

Crowd initialCrowd() {
    Crowd crowd{};
    crowd.noise[0] = 0x1B873593u;
    crowd.noise[1] = 0xCC9E2D51u;
    crowd.moodNoise = 0x85EBCA6Bu;
    for (int side = 0; side < 2; ++side) {
        crowd.swell[side] = crowd.swellGoal[side] = 0.9f;
        crowd.chatter[side] = crowd.chatterGoal[side] = 1.0f;
        crowd.swellBlocks[side] = 1 + 700 * side;
        crowd.chatterBlocks[side] = 1;
    }
    crowd.toneRate = lowPassRate(700.0f);
    return crowd;
}

void steerCrowd(Crowd& crowd, float danger, float rain) {
    // Nearer a goal the crowd grows louder and brighter; rain dampens both a little.
    const float dryness = 1.0f - 0.3f * rain;
    crowd.toneRate = lowPassRate((700.0f + 1600.0f * danger) * (1.0f - 0.2f * rain));
    const float level = kLevel * (0.55f + 0.9f * danger) * dryness;
    for (int side = 0; side < 2; ++side) {
        nextMood(crowd, side);
        rampGain(crowd.gain[side], crowd.gainStep[side],
                 level * crowd.swell[side] * crowd.chatter[side]);
    }
}

void renderCrowd(Crowd& crowd, float* left, float* right, int count) {
    float* const out[2] = {left, right};
    for (int side = 0; side < 2; ++side) {
        std::uint32_t noise = crowd.noise[side];
        float lowCut = crowd.lowCut[side];
        float toneA = crowd.toneA[side];
        float toneB = crowd.toneB[side];
        float gain = crowd.gain[side];
        const float step = crowd.gainStep[side];
        const float rate = crowd.toneRate;
        for (int i = 0; i < count; ++i) {
            const float x = noiseSample(noise);
            lowCut += (x - lowCut) * kLowCutRate;
            toneA += (x - lowCut - toneA) * rate;
            toneB += (toneA - toneB) * rate;
            out[side][i] += toneB * gain;
            gain += step;
        }
        crowd.noise[side] = noise;
        crowd.lowCut[side] = lowCut;
        crowd.toneA[side] = toneA;
        crowd.toneB[side] = toneB;
        crowd.gain[side] = gain;
    }
}

}  // namespace audio
