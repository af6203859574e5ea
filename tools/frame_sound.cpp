// frame_sound.cpp -- a clip frame's sound from the match's synthesiser.
#include "tools/frame_sound.h"

namespace tools {

void ClipSound::addFrame(const audio::FrameCues& cues) {
    audio::cueFrame(synth_, cues);
    audio::synthesise(synth_, samples_.data(), kSoundPerClipPicture);
}

}  // namespace tools
