// sound_track.cpp -- the --audio option and the run's sound written frame by frame.
#include "tools/sound_track.h"

namespace tools {

bool SoundTrack::open(const std::string& path, std::string& error) {
    return wav_.open(path, error);
}

bool SoundTrack::addFrame(const audio::FrameCues& cues, std::string& error) {
    audio::cueFrame(synth_, cues);
    audio::synthesise(synth_, samples_.data(), audio::kSamplesPerFrame);
    return wav_.append(samples_.data(), audio::kSamplesPerFrame, error);
}

bool SoundTrack::finish(std::string& error) {
    return wav_.finish(error);
}

}  // namespace tools
