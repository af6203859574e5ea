// frame_sound.h -- the sound that goes with each frame of a clip: the match's synthesiser, cued
// by every frame's state step, 1/30 s of it a frame.
#pragma once

#include <cstdint>
#include <vector>

#include "audio/synthesiser.h"
#include "frame/world.h"

namespace tools {

// Clips carry stereo sound at 48 kHz.
constexpr int kClipSampleRate = audio::kSampleRate;

// A clip shows 30 pictures a second, one frame each, though the program paces
// a frame at 33 ms (1,584 sample frames): a clip picture gets 1 / 30 s of
// sound, 1,600 sample frames, so sound and pictures stay in step.
constexpr int kClipPicturesPerSecond = 30;
constexpr int kSoundPerClipPicture = kClipSampleRate / kClipPicturesPerSecond;

// A clip's sound. Every frame of the run is added, those before the clip
// too, so the clip's first picture sounds as the match does by then.
class ClipSound {
  public:
    // After a frame's step: its cues, then its kSoundPerClipPicture samples.
    void addFrame(const audio::FrameCues& cues);
    // The latest frame's samples, interleaved 16-bit stereo.
    const std::vector<std::int16_t>& samples() const { return samples_; }

  private:
    audio::Synthesiser synth_ = audio::initialSynthesiser();
    std::vector<std::int16_t> samples_ = std::vector<std::int16_t>(2 * kSoundPerClipPicture);
};

}  // namespace tools
