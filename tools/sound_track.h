// sound_track.h -- a tool run's sound as a WAV file (--audio): each frame's 33 ms, cued by the
// frame's state step, made by the same synthesiser the program plays.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "audio/synthesiser.h"
#include "audio/wav_file.h"
#include "frame/world.h"

namespace tools {

// The sound of a run, frame by frame, into a WAV file (48,000 samples a
// second, 16-bit stereo). The file is whole once finish answers true, and
// absent after any failure.
class SoundTrack {
  public:
    bool open(const std::string& path, std::string& error);
    // After a frame's step: its cues, then its 1,584 samples.
    bool addFrame(const audio::FrameCues& cues, std::string& error);
    bool finish(std::string& error);

  private:
    audio::Synthesiser synth_ = audio::initialSynthesiser();
    audio::WavWriter wav_;
    std::vector<std::int16_t> samples_ = std::vector<std::int16_t>(2 * audio::kSamplesPerFrame);
};

}  // namespace tools
