// scene_start.cpp -- the scene's start-up per rendering context, and the projection.
#include "frame/scene_start.h"

#include "frame/camera.h"
#include "frame/frame_state.h"
#include "frame/overlay.h"
#include "frame/viewport_size.h"
#include "render/scene.h"
#include "render/shape_cache.h"

namespace frame {

bool initScene() {
    initSceneState();
    createOverlayFont();
    // The cached shapes of an earlier context went with it; compile them anew here.
    render::forgetShapeCache();
    render::setupSceneLighting();
    return true;
}

void resizeScene(int width, int height) {
    if (height == 0)
        height = 1;
    render::setProjection(width, height, camera.fieldOfView);
    viewportSize = ViewportSize{width, height};
}

}  // namespace frame
