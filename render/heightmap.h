// heightmap.h -- the landscape's 200 by 200 height field and its generation (state only).
#pragma once

#include "common/random.h"

namespace render {

constexpr int kTerrainSize = 200;

// Row i maps to world x = 10 i - 1000, column j to world z = 1000 - 10 j.
// Zero at start; every scene initialisation generates it anew. One member of the world.
struct Heightmap {
    float height[kTerrainSize][kTerrainSize];
};

// What one generation made: the number of hills, how many of their peaks were
// moved off the pitch, and the first hill's peak.
struct TerrainSummary {
    int hills;
    int movedHills;
    int firstRow;
    int firstColumn;
    float firstPeak;
};

// Fills the field: sea, the flat square under the pitch, and 100 to 399 hills,
// drawing from the shared generator. Called by every scene initialisation
// (start-up and window re-creation); the summary serves tests and tools.
TerrainSummary generateTerrain(Heightmap& heightmap, common::Random& random);

// The integer level a stored height is drawn at (times 0.5 gives y).
int terrainLevel(float height);

}  // namespace render
