// frame_picture.h -- one frame's picture, drawn from the world and changing none of it.
#pragma once

#include "frame/world.h"

namespace frame {

// The twelve figures as the match stands, in the phases of the animation
// counters: both keepers, then team 1's and team 2's outfield players, 1 to 5.
// Drawn after the pitch markings.
void drawFigures(const sim::MatchState& match, const render::FigureAnimation& animation);

// The camera transform on a fresh model-view matrix (pitch about x, yaw about
// y, then the translation), light 1's position under it, and the fog. The
// pixel tests call it with views of their own.
void placeCamera(const Camera& view);

// The scene of a world seen from `view` in a picture of `viewport`: the GL
// state switches, projection, clear, camera transform, light, fog, then the
// pitch, ball, terrain, markings and goals, keepers, team 1, team 2 and the
// rain as its step found it. Needs a current context.
void drawWorldScene(const World& world, const Camera& view, const ViewportSize& viewport);

// All a screenshot holds, after the frame's state step: the GL state
// switches, projection from the viewport and the field of view, clear, camera
// transform, light, fog, the scene (pitch, ball, terrain, markings and goals,
// keepers, team 1, team 2, the rain as its step found it) and the overlay
// (score bar, banner, match panel). Needs a current context.
void drawFramePicture(const World& world);

// The labels that are shown on screen but kept out of screenshots: "PAUSED"
// while paused, and the notice line while it lasts.
// Drawn after a screenshot's read-back, before the picture is shown.
void drawFrameLabels(const World& world);

// The whole picture as the screen shows it: drawFramePicture, then
// drawFrameLabels.
void drawFrame(const World& world);

}  // namespace frame
