// scene_start.cpp -- the scene's start-up per rendering context, and the projection.
#include "frame/scene_start.h"

#include "frame/frame_step.h"
#include "frame/overlay.h"
#include "render/scene.h"
#include "render/shape_cache.h"

namespace frame {

void restoreSceneObjects() {
    createOverlayFont();
    // The cached shapes of an earlier context went with it; compile them anew here.
    render::forgetShapeCache();
    render::setupSceneLighting();
}

bool initScene(World& world) {
    initSceneState(world);
    restoreSceneObjects();
    return true;
}

void setProjection(const ViewportSize& size, float fieldOfView) {
    render::setProjection(size.width, size.height, fieldOfView);
}

void resizeScene(World& world, int width, int height, double pixelRatio) {
    world.viewport = ViewportSize{width, height == 0 ? 1 : height, pixelRatio};
    setProjection(world.viewport, world.camera.fieldOfView);
}

}  // namespace frame
