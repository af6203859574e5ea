// output_stage.cpp -- the limiter (instant attack, 150 ms release), the fades, rounding to 16 bits.
#include "audio/output_stage.h"

#include "audio/sound_math.h"

namespace audio {

namespace {

// No sample goes past 90% of full scale (-0.9 dBFS): the limiter's ceiling.
constexpr float kCeiling = 0.9f;
constexpr float kReleaseRate = 1.0f / (0.15f * kSampleRate);
constexpr float kVolumeStep = 1.0f / (0.02f * kSampleRate);

float magnitude(float value) {
    return value < 0.0f ? -value : value;
}

std::int16_t toSample(float value) {
    float scaled = value * 32767.0f;
    scaled = scaled < -32767.0f ? -32767.0f : (scaled > 32767.0f ? 32767.0f : scaled);
    // Rounded half away from zero (a cast truncates towards zero).
    return static_cast<std::int16_t>(scaled < 0.0f ? scaled - 0.5f : scaled + 0.5f);
}

}  // namespace

OutputStage initialOutputStage() {
    OutputStage stage{};
    stage.limiterGain = 1.0f;
    stage.volume = stage.volumeGoal = 1.0f;
    stage.volumePercent = 100;
    stage.audible = kSilenceFadeSamples;
    return stage;
}

void setOutputVolume(OutputStage& stage, int percent) {
    stage.volumePercent = percent < 0 ? 0 : (percent > 100 ? 100 : percent);
    // Squared: equal steps of the setting sound like roughly equal steps of loudness.
    const float fraction = static_cast<float>(stage.volumePercent) * 0.01f;
    stage.volumeGoal = stage.volumePercent == 100 ? 1.0f : fraction * fraction;
}

void finishSamples(OutputStage& stage, const float* left, const float* right, int count,
                   std::int16_t* interleavedStereo) {
    for (int i = 0; i < count; ++i) {
        // The gain recovers first, then drops at once to what this sample needs:
        // so no sample ever passes the ceiling.
        float gain = stage.limiterGain + (1.0f - stage.limiterGain) * kReleaseRate;
        if (gain > 0.999f)
            gain = 1.0f;
        const float peak =
            magnitude(left[i]) > magnitude(right[i]) ? magnitude(left[i]) : magnitude(right[i]);
        if (peak * gain > kCeiling)
            gain = kCeiling / peak;
        stage.limiterGain = gain;

        if (stage.silent != 0 ? stage.audible > 0 : stage.audible < kSilenceFadeSamples)
            stage.audible += stage.silent != 0 ? -1 : 1;
        if (stage.volume < stage.volumeGoal)
            stage.volume = stage.volume + kVolumeStep < stage.volumeGoal
                               ? stage.volume + kVolumeStep
                               : stage.volumeGoal;
        else if (stage.volume > stage.volumeGoal)
            stage.volume = stage.volume - kVolumeStep > stage.volumeGoal
                               ? stage.volume - kVolumeStep
                               : stage.volumeGoal;

        const float fade = static_cast<float>(stage.audible) * (1.0f / kSilenceFadeSamples);
        const float scale = gain * fade * stage.volume;
        interleavedStereo[2 * i] = toSample(left[i] * scale);
        interleavedStereo[2 * i + 1] = toSample(right[i] * scale);
    }
}

}  // namespace audio
