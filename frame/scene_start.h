// scene_start.h -- the scene's start-up in a new rendering context, and its projection.
#pragma once

#include "frame/world.h"

namespace frame {

// Once for every new rendering context, with it current and right after
// resizeScene: the state side (initSceneState: match reset, terrain), then
// the overlay font, an empty shape cache and the lights and shading. Called
// by the window layer at creation and at every re-creation. Always true.
bool initScene(World& world);

// The context's GL objects again (overlay font, shape cache, lights and
// shading) for a world that goes on: after a lost context comes back, right
// after resizeScene (the lights are placed under its identity model-view).
void restoreSceneObjects();

// Viewport and perspective projection for a picture of `size` with the
// given vertical field of view. Every frame's picture sets it.
void setProjection(const ViewportSize& size, float fieldOfView);

// A picture of a new size: records it in the world's viewport (a height of 0
// is taken as 1) with the host's pixel ratio (the page's device pixel ratio;
// the desktop's is 1), and sets the projection. Called by the window layer at
// creation and on every size message.
void resizeScene(World& world, int width, int height, double pixelRatio = 1.0);

}  // namespace frame
