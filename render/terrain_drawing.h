// terrain_drawing.h -- the landscape drawn from the height field, coloured by height.
#pragma once

#include "render/heightmap.h"

namespace render {

// Every cell of the height field as a four-vertex polygon, coloured per vertex
// by its stored height; cells wholly outside the current view volume (the
// projection and model-view matrices) are left out. The samples' positions
// and colours are computed once per field and kept until the field changes.
// Every frame, after the ball and before the markings.
void drawTerrain(const Heightmap& field);

// Sets the current colour for a vertex of the stored height.
void terrainColor(float height);

}  // namespace render
