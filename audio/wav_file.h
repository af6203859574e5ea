// wav_file.h -- writes 16-bit stereo 48 kHz samples to a WAV file as they come.
#pragma once

#include <cstdint>
#include <string>

#include "common/replaced_file.h"

namespace audio {

// A WAV file written in a stream: open, append samples, finish. The samples go
// to PATH.part beside the file; finish patches the header's sizes and renames
// it into place (common/replaced_file.h). A failure, an interrupt, or a writer
// dropped before finish removes the partial file, so PATH is either a whole
// WAV file or untouched.
class WavWriter {
  public:
    WavWriter() = default;
    WavWriter(const WavWriter&) = delete;
    WavWriter& operator=(const WavWriter&) = delete;

    // Starts the file with a header whose sizes finish will fill in. False,
    // with the reason in `error`, when the file cannot be made.
    bool open(const std::string& path, std::string& error);

    // Appends interleaved stereo samples (left, right, ...). False, with the
    // reason, when writing fails or the file would pass the 4 GiB a WAV file
    // can describe; the partial file is then removed.
    bool append(const std::int16_t* interleavedStereo, int sampleFrames, std::string& error);

    // Writes the sizes and puts the file in place. False, with the reason, on
    // any failure; nothing is left behind then.
    bool finish(std::string& error);

    std::uint32_t sampleFrames() const { return sampleFrames_; }

  private:
    common::ReplacedFile file_;
    std::string path_;
    std::uint32_t sampleFrames_ = 0;
};

}  // namespace audio
