// scene.h -- the fixed-function state of the scene: lights, fog and projection.
#pragma once

namespace render {

// Shading, clear values, depth test, the two lights and colour tracking, in
// the current rendering context. Called once per context by the frame layer's
// initScene, right after the projection has loaded an identity model-view
// matrix, so the spot light stays fixed relative to the viewer.
void setupSceneLighting();

// Viewport of width by height pixels and a perspective projection of that
// aspect with a vertical field of view in degrees, widened for pictures
// narrower than 4:3 to keep the 4:3 picture's horizontal view; leaves the
// model-view matrix current and the identity. Height must be above 0.
void setProjection(int width, int height, float fieldOfView);

// For the page alone: an upright picture (narrower than 3:4, a phone held
// upright) is framed for its shape, the view higher, nearer and tilted down,
// so that the pitch fills it and the sky does not. Only the projection
// changes: the camera, the world and the lighting (in eye space) do not, so
// a match, its trace and its links are the same seen either way. Off unless
// asked for: the designed pictures and the tools' stay as they are.
void frameUprightPictures(bool on);

// Linear fog; every frame, after the camera transform.
void setupFog();

// Sent as the position of light 1 in every frame, after the camera transform.
extern const float ambientLightPosition[4];

}  // namespace render
