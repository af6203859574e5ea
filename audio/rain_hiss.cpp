// rain_hiss.cpp -- the rain's hiss: white noise between about 1.5 and 7 kHz.
#include "audio/rain_hiss.h"

#include "audio/sound_math.h"

namespace audio {

namespace {

constexpr float kLevel = 0.15f;
constexpr float kLowCutRate = lowPassRate(1500.0f);
constexpr float kToneRate = lowPassRate(7000.0f);

}  // namespace

RainHiss initialRainHiss() {
    RainHiss hiss{};
    hiss.noise[0] = 0xD3A2646Cu;
    hiss.noise[1] = 0xFD7046C5u;
    return hiss;
}

void steerRainHiss(RainHiss& hiss, float rain) {
    rampGain(hiss.gain, hiss.gainStep, kLevel * rain);
}

void renderRainHiss(RainHiss& hiss, float* left, float* right, int count) {
    if (hiss.gain == 0.0f && hiss.gainStep == 0.0f)
        return;
    float* const out[2] = {left, right};
    float gain = hiss.gain;
    for (int side = 0; side < 2; ++side) {
        std::uint32_t noise = hiss.noise[side];
        float lowCut = hiss.lowCut[side];
        float tone = hiss.tone[side];
        gain = hiss.gain;
        for (int i = 0; i < count; ++i) {
            const float x = noiseSample(noise);
            lowCut += (x - lowCut) * kLowCutRate;
            tone += (x - lowCut - tone) * kToneRate;
            out[side][i] += tone * gain;
            gain += hiss.gainStep;
        }
        hiss.noise[side] = noise;
        hiss.lowCut[side] = lowCut;
        hiss.tone[side] = tone;
    }
    hiss.gain = gain;
}

}  // namespace audio
