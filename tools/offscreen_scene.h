// offscreen_scene.h -- the program's start-up, tear-down and F1 re-creation on an
// offscreen context; used by football-record and the pixel and dependability tests.
#pragma once

#include "frame/scene_recreation.h"
#include "frame/world.h"
#include "platform/offscreen_context.h"

namespace tools {

// A new offscreen context of that size, made current, then resizeScene and
// initScene as the window layer calls them. Null when no context can be made.
platform::OffscreenContext* openOffscreenScene(frame::World& world, int width, int height);

// The tear-down: the font's lists deleted, then the context destroyed.
void closeOffscreenScene(platform::OffscreenContext* context);

// An offscreen context as F1 re-creates it (frame::recreateScene): the
// tear-down, then a new context of the same size with its start-up. The
// context pointer it is given follows: null once none could be made.
class OffscreenSceneContext final : public frame::SceneContext {
  public:
    OffscreenSceneContext(platform::OffscreenContext*& context, int width, int height)
        : context_(context), width_(width), height_(height) {}
    void close() override;
    bool open(frame::World& world) override;

  private:
    platform::OffscreenContext*& context_;
    int width_;
    int height_;
};

// F1's re-creation `times` over. Null when no new context can be made (the
// old one is gone either way).
platform::OffscreenContext* reopenOffscreenScene(frame::World& world,
                                                 platform::OffscreenContext* context, int width,
                                                 int height, int times = 1);

}  // namespace tools
