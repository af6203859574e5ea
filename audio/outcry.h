// outcry.h -- what the supporters cry out together: "ooh", "aww", the roar, a groan, boos, a cheer.
#pragma once

#include "audio/supporters.h"

namespace audio {

// Starts an outcry (kOoh ... kCheer) of `strength` (0..1), taking the voices
// from wherever the last one left them.
void startOutcry(Supporters& supporters, Outcry kind, float strength);

// Once a control block: the outcry's course. A goal's roar surges, holds for
// 2.6 s (longer while the goal is celebrated), then thins over about five
// seconds into cheering and applause, and the team's song follows.
void steerOutcry(Supporters& supporters, const PlayView& view);

}  // namespace audio
