// web_loop.h -- the page's frame loop on the browser's animation frames, and what input asks
// of it.
#pragma once

#include "frame/world.h"
#include "web/web_link.h"

namespace web {

// The page's one world: input writes its keys, the loop runs its frames.
frame::World& pageWorld();

// Called once by main with the context current and the scene started: starts
// the loop, which first runs the link's frames up to its moment (held, paused,
// afterwards) and then a frame whenever the frame pacing allows.
void startFrameLoop(const MomentLink& link);

// A key, a resize: the loop draws again after a held picture.
void wakeFrameLoop();

// The screenshot key: the next picture drawn is offered as a download.
void requestScreenshot();

// The canvas's size in device pixels changed (or is set the first time).
void followCanvasSize();

// The browser took the WebGL context away: the match goes on unseen.
void loseCanvasContext();

// The context is back, empty: the rasteriser's objects and the scene's lists
// are made again, and the picture comes back where the match stands.
void restoreCanvasContext();

}  // namespace web
