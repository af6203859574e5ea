// output_stage.h -- every sample's last step: a limiter that looks ahead, pause fade, volume, 16
// bits.
#pragma once

#include <cstdint>

namespace audio {

constexpr std::int32_t kSilenceFadeSamples = 480;  // 10 ms in and out of a pause

// The mix waits kLookAhead samples (2 ms) before it is heard, so the limiter
// sees a peak coming and lowers its gain along a straight line of that length
// to meet it: no sample is cut flat, and none passes the ceiling.
constexpr std::int32_t kLookAhead = 96;
constexpr std::int32_t kGainWindow = kLookAhead + 1;

struct OutputStage {
    float waiting[2][kLookAhead];  // the mix on its way out, left and right
    // The gain each sample still in the window needs, as a queue of rising
    // gains (the window's minimum first): positions and gains.
    std::int32_t queuePosition[kGainWindow];
    float queueGain[kGainWindow];
    std::int32_t queueFirst;
    std::int32_t queueCount;
    std::int32_t position;     // samples taken in, wrapping at 2^30
    std::int32_t waitingSlot;  // 0..kLookAhead - 1: where the oldest sample waits
    std::int32_t windowSlot;   // 0..kGainWindow - 1: the oldest held gain
    float held;                // the window's minimum, recovering from it at the release rate
    // The held gains of the window in fixed point (2^20 is 1), and their sum:
    // their mean is the gain, and an integer sum never drifts.
    std::int32_t heldFixed[kGainWindow];
    std::int32_t heldSum;
    float volume;                // this sample's volume, gliding to volumeGoal
    float volumeGoal;            // 0..1 from the percentage
    std::int32_t volumePercent;  // as set, 0..100
    std::int32_t silent;         // 1 while paused
    std::int32_t audible;        // 0..kSilenceFadeSamples: the pause's fade
};

OutputStage initialOutputStage();

// The volume in percent, clamped to 0..100; 0 mutes. It glides there in 20 ms.
void setOutputVolume(OutputStage& stage, int percent);

// True once a pause has faded out: the sound then stands still.
inline bool silenced(const OutputStage& stage) {
    return stage.silent != 0 && stage.audible == 0;
}

// Takes `count` samples of the mix in and turns as many, kLookAhead samples
// older, into interleaved 16-bit stereo.
void finishSamples(OutputStage& stage, const float* left, const float* right, int count,
                   std::int16_t* interleavedStereo);

}  // namespace audio
