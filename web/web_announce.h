// web_announce.h -- what the page says beside the picture: goals, half time and the final score
// for screen readers, and the match's pause and panel for the page's controls.
#pragma once

#include "frame/world.h"

namespace web {

// After each frame the watcher sees: a goal, half time or the final score it
// brought is announced, and the pause control shows play or pause.
void announceFrame(const frame::World& world);

// After a link's fast frames: their goals are the link's, not news.
void noteFrameQuietly(const frame::World& world);

// football.panel(): "1" while Tab's match panel is in the picture, so that
// the page's boxes open one at a time.
void exposePanelState();

}  // namespace web
