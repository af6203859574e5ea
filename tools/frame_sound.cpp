// frame_sound.cpp -- a clip frame's sound from the match's synthesiser.
#include "tools/frame_sound.h"

#include "frame/sound_cues.h"

namespace tools {

void ClipSound::addFrame(const sim::MatchState& before, const frame::World& after) {
    audio::cueFrame(synth_, frame::soundCues(before, after));
    audio::synthesise(synth_, samples_.data(), kSoundPerClipPicture);
}

}  // namespace tools
