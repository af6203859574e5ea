// scene.h -- the fixed-function state of the scene: lights, fog and projection.
#pragma once

namespace render {

// The size last given to resizeScene; one process-wide record alive for the
// whole run. The height is never 0 once resizeScene has run.
struct ViewportSize {
    int width;
    int height;
};

extern ViewportSize viewportSize;

// Once for every new rendering context, with it current and right after the
// window layer's resizeScene: resets the match, builds the overlay font,
// generates the terrain and sets shading, clear values, depth test, the two
// lights and colour tracking. Always true.
bool initScene();

// Viewport and perspective projection (field of view from the camera), and
// records the size. Called at window creation, on every size message and in
// every frame. A height of 0 is taken as 1.
void resizeScene(int width, int height);

// Linear fog; every frame, after the camera transform.
void setupFog();

// Sent as the position of light 1 in every frame, after the camera transform.
extern const float ambientLightPosition[4];

}  // namespace render
