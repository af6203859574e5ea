// output_stage.cpp -- the look-ahead limiter (2 ms, straight-line attack, 80 ms release), the
// fades, rounding to 16 bits.
#include "audio/output_stage.h"

#include "audio/sound_math.h"

namespace audio {

namespace {

// No sample goes past 95% of full scale (-0.45 dBFS): the limiter's ceiling.
constexpr float kCeiling = 0.95f;
constexpr float kReleaseRate = 1.0f / (0.08f * kSampleRate);
constexpr float kVolumeStep = 1.0f / (0.02f * kSampleRate);
constexpr float kFixedOne = 1048576.0f;  // 2^20

float magnitude(float value) {
    return value < 0.0f ? -value : value;
}

std::int16_t toSample(float value) {
    float scaled = value * 32767.0f;
    scaled = scaled < -32767.0f ? -32767.0f : (scaled > 32767.0f ? 32767.0f : scaled);
    // Rounded half away from zero (a cast truncates towards zero).
    return static_cast<std::int16_t>(scaled < 0.0f ? scaled - 0.5f : scaled + 0.5f);
}

// The limiter's gain for the sample leaving now, from the one coming in.
//
// Each sample coming in needs the gain that brings it to the ceiling (1 when
// it is below). The window's minimum covers that sample and the kLookAhead
// before it; `held` follows the minimum down at once and recovers slowly; the
// gain is the mean of `held` over the window. Every `held` in the window is at
// most the need of the sample leaving now (it is in each one's window), so
// their mean is too: the sample leaving meets the ceiling, reached along a
// straight line from the gain before.
float limiterGain(OutputStage& stage, float peak) {
    constexpr std::int32_t kWrap = 0x3FFFFFFF;
    const float need = peak > kCeiling ? kCeiling / peak : 1.0f;
    const std::int32_t now = stage.position;
    stage.position = (stage.position + 1) & kWrap;
    // The queue holds gains rising from its first, the window's minimum: the
    // first leaves when it falls out of the window, and a new need drops every
    // gain behind it that is no lower.
    if (stage.queueCount > 0 &&
        ((now - stage.queuePosition[stage.queueFirst]) & kWrap) >= kGainWindow) {
        stage.queueFirst = (stage.queueFirst + 1) % kGainWindow;
        --stage.queueCount;
    }
    while (stage.queueCount > 0 &&
           stage.queueGain[(stage.queueFirst + stage.queueCount - 1) % kGainWindow] >= need)
        --stage.queueCount;
    const int slot = (stage.queueFirst + stage.queueCount) % kGainWindow;
    stage.queuePosition[slot] = now;
    stage.queueGain[slot] = need;
    ++stage.queueCount;
    const float least = stage.queueGain[stage.queueFirst];
    float held = stage.held + (1.0f - stage.held) * kReleaseRate;
    if (held > 0.999f)
        held = 1.0f;
    stage.held = held < least ? held : least;
    // Rounded down, so the mean never comes out above the exact one.
    const std::int32_t fixed = static_cast<std::int32_t>(stage.held * kFixedOne);
    stage.heldSum += fixed - stage.heldFixed[stage.windowSlot];
    stage.heldFixed[stage.windowSlot] = fixed;
    stage.windowSlot = stage.windowSlot + 1 < kGainWindow ? stage.windowSlot + 1 : 0;
    return static_cast<float>(stage.heldSum) * (1.0f / (kFixedOne * kGainWindow));
}

}  // namespace

OutputStage initialOutputStage() {
    OutputStage stage{};
    stage.held = 1.0f;
    for (std::int32_t& fixed : stage.heldFixed)
        fixed = static_cast<std::int32_t>(kFixedOne);
    stage.heldSum = static_cast<std::int32_t>(kFixedOne) * kGainWindow;
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
        const float peak =
            magnitude(left[i]) > magnitude(right[i]) ? magnitude(left[i]) : magnitude(right[i]);
        const float gain = limiterGain(stage, peak);
        const int slot = stage.waitingSlot;
        const float outLeft = stage.waiting[0][slot];
        const float outRight = stage.waiting[1][slot];
        stage.waiting[0][slot] = left[i];
        stage.waiting[1][slot] = right[i];
        stage.waitingSlot = slot + 1 < kLookAhead ? slot + 1 : 0;
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
        interleavedStereo[2 * i] = toSample(outLeft * scale);
        interleavedStereo[2 * i + 1] = toSample(outRight * scale);
    }
}

}  // namespace audio
