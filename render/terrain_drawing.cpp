// terrain_drawing.cpp -- the height field drawn as 39,601 cells coloured by height.
#include "render/terrain_drawing.h"

#include <GL/gl.h>

#include "render/heightmap.h"

namespace render {

// The bands of the colour ramp, tried in order: the first whose bound the
// height does not pass gives the colour. The first three bounds include
// equality (the flat square's greens), the rest are strict.
struct TerrainBand {
    double bound;
    bool inclusive;
    double red, green, blue;
};

static const TerrainBand kTerrainBands[] = {
    {-17.0, true, 0.0, 0.5, 0.1},   {-16.0, true, 0.0, 0.7, 0.1},   {-15.0, true, 0.0, 0.9, 0.1},
    {-4.0, false, 0.0, 0.0, 3.2},   {-3.0, false, 0.0, 0.0, 3.0},   {-2.0, false, 0.0, 0.0, 2.8},
    {-1.0, false, 0.0, 0.0, 2.5},   {0.0, false, 0.0, 0.0, 2.2},    {10.0, false, 0.54, 0.96, 0.53},
    {20.0, false, 0.8, 0.9, 0.58},  {30.0, false, 1.0, 0.68, 0.48}, {40.0, false, 1.08, 0.68, 0.19},
    {50.0, false, 1.28, 0.64, 0.0}, {60.0, false, 2.5, 2.1, 1.5},
};

void terrainColor(float height) {
    const double h = static_cast<double>(height);
    for (const TerrainBand& band : kTerrainBands) {
        if (band.inclusive ? h <= band.bound : h < band.bound) {
            glColor3d(band.red, band.green, band.blue);
            return;
        }
    }
    glColor3d(1.0, 1.0, 1.0);
}

static void terrainVertex(const Heightmap& field, int i, int j) {
    const float h = field.height[i][j];
    terrainColor(h);
    glVertex3d(static_cast<double>(10 * i - 1000), terrainLevel(h) * 0.5,
               static_cast<double>(1000 - 10 * j));
}

void drawTerrain(const Heightmap& field) {
    // Each cell is the four-vertex polygon (i, j), (i, j+1), (i+1, j+1),
    // (i+1, j). Mesa fills a polygon as the fan of triangles around its first
    // vertex, each listed with that vertex last; the same two triangles per
    // cell, in that vertex order and all in one block, fill the same pixels
    // with the same colours for a fraction of the calls.
    glBegin(GL_TRIANGLES);
    for (int i = 0; i < kTerrainSize - 1; ++i) {
        for (int j = 0; j < kTerrainSize - 1; ++j) {
            terrainVertex(field, i, j + 1);
            terrainVertex(field, i + 1, j + 1);
            terrainVertex(field, i, j);
            terrainVertex(field, i + 1, j + 1);
            terrainVertex(field, i + 1, j);
            terrainVertex(field, i, j);
        }
    }
    glEnd();
}

}  // namespace render
