// render_frame.h -- one frame's picture, and the state changes that belong between its steps.
#pragma once

#include "render/figure_animation.h"
#include "sim/match_state.h"

namespace frame {

struct Camera;

// The twelve figures as the match stands, in the phases of the animation
// counters: both keepers, then team 1's and team 2's outfield players, 1 to 5.
// Called by renderFrame after the pitch markings.
void drawFigures(const sim::MatchState& match, const render::FigureAnimation& animation);

// The camera transform on a fresh model-view matrix (pitch about x, yaw about
// y, then the translation), light 1's position under it, and the fog. Called
// by renderFrame after the clear; the pixel tests call it with views of their own.
void placeCamera(const Camera& view);

// Everything of a frame after the simulation gate and the pacing: the GL
// state switches, the camera keys, projection, clear, camera transform, light,
// fog, the scene, the rain's step and the overlay (score bar, banner, match
// panel), all a screenshot holds. Needs a current context.
void renderFramePicture();

// The labels that are shown on screen but kept out of screenshots: "PAUSED"
// while paused, and the screenshot notice while it lasts. The main loop draws
// them after a screenshot's read-back, before the swap. Changes no state.
void drawFrameLabels();

// The whole picture as the screen shows it: renderFramePicture, then
// drawFrameLabels. The headless tools and the pixel tests draw with it.
void renderFrame();

}  // namespace frame
