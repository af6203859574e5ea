// sound_track.cpp -- the --audio option and the run's sound written frame by frame.
#include "tools/sound_track.h"

#include "frame/sound_cues.h"

namespace tools {

common::OptionRow audioOptionRow() {
    return {"audio", 0, "FILE.wav",
            "write the sound of the frames as a WAV file (48 kHz, 16-bit\nstereo, 33 ms a "
            "frame: the designed pace)",
            0};
}

bool readAudioPath(const std::string& value, std::string& path, std::string& error) {
    const std::string end = ".wav";
    const bool named = value.size() > end.size() &&
                       value.compare(value.size() - end.size(), end.size(), end) == 0 &&
                       value[value.size() - end.size() - 1] != '/';
    if (!named) {
        error = "--audio needs a file name ending in .wav, not " + common::quoted(value);
        return false;
    }
    path = value;
    return true;
}

bool SoundTrack::open(const std::string& path, std::string& error) {
    return wav_.open(path, error);
}

bool SoundTrack::addFrame(const sim::MatchState& before, const frame::World& after,
                          std::string& error) {
    audio::cueFrame(synth_, frame::soundCues(before, after));
    audio::synthesise(synth_, samples_.data(), audio::kSamplesPerFrame);
    return wav_.append(samples_.data(), audio::kSamplesPerFrame, error);
}

bool SoundTrack::finish(std::string& error) {
    return wav_.finish(error);
}

}  // namespace tools
