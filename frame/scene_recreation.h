// scene_recreation.h -- the window's re-creation (F1, a session's recreate line) as every host
// runs it: its rendering context torn down and made again, and a new scene in it.
#pragma once

#include "frame/world.h"

namespace frame {

// What a host re-creates: a window, an offscreen context, or (the trace)
// nothing but the world's state.
class SceneContext {
  public:
    // Tears down the host's rendering context, if it has one.
    virtual void close() = 0;
    // Makes the next one and starts a new scene in it: initScene once (a new
    // kick-off, a new landscape), or initSceneState alone without a context.
    // False when none could be made.
    virtual bool open(World& world) = 0;

  protected:
    ~SceneContext() = default;
};

// The scene re-created `times` over, each time as F1 does: the context
// closed, then opened again with a new scene. False as soon as one could
// not be opened (no context is left then).
bool recreateScene(World& world, int times, SceneContext& context);

}  // namespace frame
