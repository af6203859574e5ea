// murmur.cpp -- the far crowd: white noise, its rumble taken away, darkened by two low-passes.
#include "audio/murmur.h"

#include "audio/sound_math.h"

namespace audio {

namespace {

constexpr float kLevel = 1.12f;  // the gain at danger 0 in dry weather, before the swells
constexpr float kLowCutRate = lowPassRate(250.0f);
constexpr float kSwellRate = glideRate(0.8f);
constexpr float kChatterRate = glideRate(0.03f);

// A new swell goal every 1.2 to 2.6 s, a new chatter goal every 40 to 130 ms.
void nextMood(Murmur& murmur, int side) {
    if (--murmur.swellBlocks[side] <= 0) {
        murmur.swellGoal[side] = 0.65f + 0.5f * noiseUnit(murmur.moodNoise);
        murmur.swellBlocks[side] = 1200 + static_cast<int>(nextNoise(murmur.moodNoise) % 1400u);
    }
    if (--murmur.chatterBlocks[side] <= 0) {
        murmur.chatterGoal[side] = 0.75f + 0.5f * noiseUnit(murmur.moodNoise);
        murmur.chatterBlocks[side] = 40 + static_cast<int>(nextNoise(murmur.moodNoise) % 90u);
    }
    glide(murmur.swell[side], murmur.swellGoal[side], kSwellRate);
    glide(murmur.chatter[side], murmur.chatterGoal[side], kChatterRate);
}

}  // namespace

Murmur initialMurmur() {
    Murmur murmur{};
    murmur.noise[0] = 0x1B873593u;
    murmur.noise[1] = 0xCC9E2D51u;
    murmur.moodNoise = 0x85EBCA6Bu;
    for (int side = 0; side < 2; ++side) {
        murmur.swell[side] = murmur.swellGoal[side] = 0.9f;
        murmur.chatter[side] = murmur.chatterGoal[side] = 1.0f;
        murmur.swellBlocks[side] = 1 + 700 * side;
        murmur.chatterBlocks[side] = 1;
    }
    murmur.toneRate = lowPassRate(700.0f);
    return murmur;
}

void steerMurmur(Murmur& murmur, float danger, float rain, const float loudness[2]) {
    // Nearer a goal the murmur grows louder and brighter; rain dampens both a little.
    const float dryness = 1.0f - 0.3f * rain;
    murmur.toneRate = lowPassRate((700.0f + 1600.0f * danger) * (1.0f - 0.2f * rain));
    const float level = kLevel * (0.8f + 0.4f * danger) * dryness;
    for (int side = 0; side < 2; ++side) {
        nextMood(murmur, side);
        rampGain(murmur.gain[side], murmur.gainStep[side],
                 level * loudness[side] * murmur.swell[side] * murmur.chatter[side]);
    }
}

void renderMurmur(Murmur& murmur, float* left, float* right, int count) {
    float* const out[2] = {left, right};
    for (int side = 0; side < 2; ++side) {
        std::uint32_t noise = murmur.noise[side];
        float lowCut = murmur.lowCut[side];
        float toneA = murmur.toneA[side];
        float toneB = murmur.toneB[side];
        float gain = murmur.gain[side];
        const float step = murmur.gainStep[side];
        const float rate = murmur.toneRate;
        for (int i = 0; i < count; ++i) {
            const float x = noiseSample(noise);
            lowCut += (x - lowCut) * kLowCutRate;
            toneA += (x - lowCut - toneA) * rate;
            toneB += (toneA - toneB) * rate;
            out[side][i] += toneB * gain;
            gain += step;
        }
        murmur.noise[side] = noise;
        murmur.lowCut[side] = lowCut;
        murmur.toneA[side] = toneA;
        murmur.toneB[side] = toneB;
        murmur.gain[side] = gain;
    }
}

}  // namespace audio
