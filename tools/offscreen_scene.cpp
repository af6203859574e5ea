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

platform::OffscreenContext* reopenOffscreenScene(frame::World& world,
                                                 platform::OffscreenContext* context, int width,
                                                 int height) {
    closeOffscreenScene(context);
    return openOffscreenScene(world, width, height);
}

}  // namespace tools
