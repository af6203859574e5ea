// web_loop.h -- the page's frame loop on the browser's animation frames, and what input asks
// of it.
#pragma once

#include "web/web_link.h"

namespace web {

// Called once by main with the context current and the scene started: runs
// the link's frames up to its moment (which is then held, paused) and starts
// the loop, which runs a frame whenever the frame pacing allows.
void startFrameLoop(const MomentLink& link);

// A key, a resize: the loop draws again after a held picture.
void wakeFrameLoop();

// The screenshot key: the next picture drawn is offered as a download.
void requestScreenshot();

// The canvas's size in device pixels changed (or is set the first time).
void followCanvasSize();

}  // namespace web
