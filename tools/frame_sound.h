// frame_sound.h -- the sound that goes with one frame of a clip: silence until the match has a
// synthesiser.
#pragma once

#include <cstdint>
#include <vector>

namespace tools {

// Clips carry stereo sound at 48 kHz.
constexpr int kClipSampleRate = 48000;

// A clip shows 30 pictures a second, one frame each, though the program paces
// a frame at 33 ms (1,584 sample frames): a clip picture gets 1 / 30 s of
// sound, 1,600 sample frames, so sound and pictures stay in step.
constexpr int kClipPicturesPerSecond = 30;
constexpr int kSoundPerClipPicture = kClipSampleRate / kClipPicturesPerSecond;

// The sound of frame `frame` (1-based), called once it has run: `sampleFrames`
// frames of interleaved 16-bit stereo. The one place a clip's sound comes
// from: silence for now.
std::vector<std::int16_t> frameSound(std::int64_t frame, int sampleFrames);

}  // namespace tools
