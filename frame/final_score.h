// final_score.h -- the final score of an ended match, over the picture.
#pragma once

#include "frame/overlay_layout.h"

namespace frame {

// While an ended match's final score shows (finalScoreShowing): a black box
// in the middle of the picture with "FULL TIME" and the teams' goals, in the
// overlay's glyphs and colours. Called by renderFrame inside the overlay,
// after the pause notice.
void drawFinalScore(const OverlayLayout& layout, int goalsTeam1, int goalsTeam2);

}  // namespace frame
