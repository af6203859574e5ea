// offscreen_scene.cpp -- start-up and tear-down of the scene on an offscreen context.
#include "tools/offscreen_scene.h"

#include "frame/overlay.h"
#include "frame/scene_start.h"

namespace tools {

platform::OffscreenContext* openOffscreenScene(int width, int height) {
    platform::OffscreenContext* context = platform::createOffscreenContext(width, height);
    if (context == nullptr)
        return nullptr;
    frame::resizeScene(width, height);
    frame::initScene();
    return context;
}

void closeOffscreenScene(platform::OffscreenContext* context) {
    frame::deleteOverlayFont();
    platform::destroyOffscreenContext(context);
}

platform::OffscreenContext* reopenOffscreenScene(platform::OffscreenContext* context, int width,
                                                 int height) {
    closeOffscreenScene(context);
    return openOffscreenScene(width, height);
}

}  // namespace tools
