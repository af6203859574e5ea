// chant.h -- a team's song: its name in syllables on a beat, many voices in near-unison, and
// hands clapping on every beat.
#pragma once

#include "audio/supporters.h"

namespace audio {

// Starts the team's song for `bars` bars of four beats.
void startChant(Supporters& supporters, int bars);

// Ends the song at once (a goal silences it); the voices fade in 40 ms.
void stopChant(Supporters& supporters);

// Once a control block: the beat, its clap and its syllable; and, while the
// play is calm and the other side is not singing, now and then a new song.
void steerChant(Supporters& supporters, const PlayView& view);

}  // namespace audio
