// figures.h -- the players drawn as figures of cached spheres and cylinders.
#pragma once

namespace render {

// A team's colours, double-precision RGB.
struct Kit {
    double shirt[3];
    double boots[3];
};

extern const Kit kTeam1Kit;       // white shirts, blue boots
extern const Kit kTeam2Kit;       // orange shirts, black boots
extern const Kit kGoalkeeperKit;  // black shirts and boots, both keepers

// A goalkeeper with its origin at (x, 0, z), never turned, in the phase of its
// keeper counter as it stands (the frame advances the counter before drawing).
// Called by the frame driver for both keepers in every frame.
void drawGoalkeeper(float x, float z, int keeperCounter);

// An outfield player with its origin at (x, 0, z), turned by heading degrees
// about +Y, in the kit and the phase of its team's stride counter. Called by
// the frame driver for the ten outfield players in every frame.
void drawOutfieldPlayer(float x, float z, float heading, const Kit& kit, int strideCounter);

}  // namespace render
