// offscreen_scene.h -- the program's start-up, tear-down and F1 re-creation on an
// offscreen context; used by football-record and the pixel and dependability tests.
#pragma once

#include "frame/world.h"
#include "platform/offscreen_context.h"

namespace tools {

// A new offscreen context of that size, made current, then resizeScene and
// initScene as the window layer calls them. Null when no context can be made.
platform::OffscreenContext* openOffscreenScene(frame::World& world, int width, int height);

// The tear-down: the font's lists deleted, then the context destroyed.
void closeOffscreenScene(platform::OffscreenContext* context);

// F1's re-creation: the tear-down, then a new context with its start-up.
// Null when no new context can be made (the old one is gone either way).
platform::OffscreenContext* reopenOffscreenScene(frame::World& world,
                                                 platform::OffscreenContext* context, int width,
                                                 int height);

}  // namespace tools
