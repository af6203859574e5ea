// render_frame.h -- one frame's picture, and the state changes that belong between its steps.
#pragma once

namespace frame {

// Everything of a frame after the simulation gate and the pacing: the GL
// state switches, the camera keys, projection, clear, camera transform, light,
// fog, the scene, the rain's step and the overlay. Needs a current context.
void renderFrame();

}  // namespace frame
