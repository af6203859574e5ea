// scene_recreation.cpp -- the re-creation's one order: close, then open with a new scene.
#include "frame/scene_recreation.h"

namespace frame {

bool recreateScene(World& world, int times, SceneContext& context) {
    for (int n = 0; n < times; ++n) {
        context.close();
        if (!context.open(world))
            return false;
    }
    return true;
}

}  // namespace frame
