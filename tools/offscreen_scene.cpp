// offscreen_scene.cpp -- start-up and tear-down of the scene on an offscreen context.
#include "tools/offscreen_scene.h"

#include "frame/overlay.h"
#include "frame/scene_start.h"

namespace tools {

platform::OffscreenContext* openOffscreenScene(frame::World& world, int width, int height) {
    platform::OffscreenContext* context = platform::createOffscreenContext(width, height);
    if (context == nullptr)
        return nullptr;
    frame::resizeScene(world, width, height);
    frame::initScene(world);
    return context;
}

void closeOffscreenScene(platform::OffscreenContext* context) {
    frame::deleteOverlayFont();
    platform::destroyOffscreenContext(context);
}

void OffscreenSceneContext::close() {
    closeOffscreenScene(context_);
    context_ = nullptr;
}

bool OffscreenSceneContext::open(frame::World& world) {
    context_ = openOffscreenScene(world, width_, height_);
    return context_ != nullptr;
}

platform::OffscreenContext* reopenOffscreenScene(frame::World& world,
                                                 platform::OffscreenContext* context, int width,
                                                 int height, int times) {
    OffscreenSceneContext scene(context, width, height);
    frame::recreateScene(world, times, scene);
    return context;
}

}  // namespace tools
