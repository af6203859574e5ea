// output_stage.h -- every sample's last step: limiter, pause fade, volume, 16 bits.
#pragma once

#include <cstdint>

namespace audio {

constexpr std::int32_t kSilenceFadeSamples = 480;  // 10 ms in and out of a pause

struct OutputStage {
    float limiterGain;           // 1, or less while a loud moment would pass the ceiling
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

// Turns `count` samples of the mix into interleaved 16-bit stereo.
void finishSamples(OutputStage& stage, const float* left, const float* right, int count,
                   std::int16_t* interleavedStereo);

}  // namespace audio
