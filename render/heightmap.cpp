// heightmap.cpp -- PLACEHOLDER until the terrain generation lands.
#include "render/heightmap.h"

namespace render {

Heightmap heightmap = {};

void generateTerrain() {}

int terrainLevel(float) { return 0; }

}  // namespace render
