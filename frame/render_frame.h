// render_frame.h -- one frame's picture, and the state changes that belong between its steps.
#pragma once

namespace frame {

struct Camera;

// The camera transform on a fresh model-view matrix (pitch about x, yaw about
// y, then the translation), light 1's position under it, and the fog. Called
// by renderFrame after the clear; the pixel tests call it with views of their own.
void placeCamera(const Camera& view);

// Everything of a frame after the simulation gate and the pacing: the GL
// state switches, the camera keys, projection, clear, camera transform, light,
// fog, the scene, the rain's step and the overlay. Needs a current context.
void renderFrame();

}  // namespace frame
