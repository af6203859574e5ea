// heightmap.h -- the landscape's 200 by 200 height field and its generation (state only).
#pragma once

namespace render {

constexpr int kTerrainSize = 200;

// Row i maps to world x = 10 i - 1000, column j to world z = 1000 - 10 j.
// Zero at start; every scene initialisation generates it anew.
struct Heightmap {
    float height[kTerrainSize][kTerrainSize];
};

extern Heightmap heightmap;

// Fills the field: sea, the flat square under the pitch, and 100 to 399 hills,
// drawing from the shared generator.
void generateTerrain();

// The integer level a stored height is drawn at (times 0.5 gives y).
int terrainLevel(float height);

}  // namespace render
