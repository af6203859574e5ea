// scene_start.h -- the scene's start-up in a new rendering context, and its projection.
#pragma once

namespace frame {

// Once for every new rendering context, with it current and right after
// resizeScene: the state side (initSceneState: match reset, terrain), then
// the overlay font, an empty shape cache and the lights and shading. Called
// by the window layer at creation and at every re-creation. Always true.
bool initScene();

// Viewport and perspective projection with the camera's field of view, and
// records the size in viewportSize. Called by the window layer at creation and
// on every size message, and by every frame. A height of 0 is taken as 1.
void resizeScene(int width, int height);

}  // namespace frame
