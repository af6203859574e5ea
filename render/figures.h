// figures.h -- the players drawn as figures of cached spheres and cylinders.
#pragma once

#include "render/kit.h"

namespace render {

// A goalkeeper with its origin at (x, 0, z), never turned, in the phase of its
// keeper counter as it stands (the frame advances the counter before drawing),
// in `kit`. Called by the frame driver for both keepers in every frame.
void drawGoalkeeper(float x, float z, int keeperCounter, const Kit& kit = kGoalkeeperKit);

// An outfield player with its origin at (x, 0, z), turned by heading degrees
// about +Y, in the kit and the phase of its team's stride counter. Called by
// the frame driver for the ten outfield players in every frame.
void drawOutfieldPlayer(float x, float z, float heading, const Kit& kit, int strideCounter);

}  // namespace render
