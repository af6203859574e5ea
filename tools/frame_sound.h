// frame_sound.h -- the sound that goes with each frame of a clip: the match's synthesiser, cued
// by every frame's state step, 33 ms of it a frame.
#pragma once

#include <cstdint>
#include <vector>

#include "audio/synthesiser.h"
#include "frame/world.h"
#include "tools/clip_pace.h"

namespace tools {

// Clips carry stereo sound at 48 kHz.
constexpr int kClipSampleRate = audio::kSampleRate;

// A clip picture shows one frame for 33 ms (clip_pace.h) and carries that
// frame's sound: 1,584 sample frames, as the program and football-trace
// --audio make it, so picture n is seen while frame n is heard however long
// the clip.
constexpr int kSoundPerClipPicture = audio::kSamplesPerFrame;
static_assert(kSoundPerClipPicture * 1000 == kClipSampleRate * kClipPictureMilliseconds,
              "a clip picture's sound lasts as long as the picture");

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
