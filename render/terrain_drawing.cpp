// terrain_drawing.cpp -- the height field drawn as 39,601 cells coloured by height.
#include "render/terrain_drawing.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

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

static const TerrainBand& bandOf(float height) {
    static const TerrainBand kTop = {0.0, false, 1.0, 1.0, 1.0};
    const double h = static_cast<double>(height);
    for (const TerrainBand& band : kTerrainBands) {
        if (band.inclusive ? h <= band.bound : h < band.bound)
            return band;
    }
    return kTop;
}

void terrainColor(float height) {
    const TerrainBand& band = bandOf(height);
    glColor3d(band.red, band.green, band.blue);
}

constexpr int kCells = kTerrainSize - 1;

// The field's samples as vertex arrays, each sample's position and colour
// computed once (single precision, as OpenGL keeps them), and every cell's
// height range for the view test. A cache of the height field, rebuilt when
// the field differs from the copy it was built from; it holds no OpenGL
// object, so it outlives rendering contexts.
struct TerrainMesh {
    bool built = false;
    float source[kTerrainSize][kTerrainSize];
    std::vector<GLfloat> positions;  // x, y, z per sample, sample (i, j) at i * 200 + j
    std::vector<GLfloat> colours;    // red, green, blue per sample; above 1 where the ramp is
    std::vector<float> cellLow;      // lowest and highest y of cell (i, j), at i * 199 + j
    std::vector<float> cellHigh;
    std::vector<GLuint> indices;  // this frame's visible cells, six indices each
};

static TerrainMesh terrainMesh;

static GLuint sampleIndex(int i, int j) {
    return static_cast<GLuint>(i * kTerrainSize + j);
}

static void buildTerrainMesh(const Heightmap& field) {
    TerrainMesh& mesh = terrainMesh;
    std::memcpy(mesh.source, field.height, sizeof mesh.source);
    mesh.positions.resize(kTerrainSize * kTerrainSize * 3);
    mesh.colours.resize(kTerrainSize * kTerrainSize * 3);
    for (int i = 0; i < kTerrainSize; ++i) {
        for (int j = 0; j < kTerrainSize; ++j) {
            const float h = field.height[i][j];
            const TerrainBand& band = bandOf(h);
            GLfloat* position = &mesh.positions[sampleIndex(i, j) * 3];
            position[0] = static_cast<GLfloat>(10 * i - 1000);
            position[1] = static_cast<GLfloat>(terrainLevel(h) * 0.5);
            position[2] = static_cast<GLfloat>(1000 - 10 * j);
            GLfloat* colour = &mesh.colours[sampleIndex(i, j) * 3];
            colour[0] = static_cast<GLfloat>(band.red);
            colour[1] = static_cast<GLfloat>(band.green);
            colour[2] = static_cast<GLfloat>(band.blue);
        }
    }
    mesh.cellLow.resize(kCells * kCells);
    mesh.cellHigh.resize(kCells * kCells);
    for (int i = 0; i < kCells; ++i) {
        for (int j = 0; j < kCells; ++j) {
            const float y[4] = {mesh.positions[sampleIndex(i, j) * 3 + 1],
                                mesh.positions[sampleIndex(i, j + 1) * 3 + 1],
                                mesh.positions[sampleIndex(i + 1, j) * 3 + 1],
                                mesh.positions[sampleIndex(i + 1, j + 1) * 3 + 1]};
            mesh.cellLow[i * kCells + j] = *std::min_element(y, y + 4);
            mesh.cellHigh[i * kCells + j] = *std::max_element(y, y + 4);
        }
    }
    mesh.indices.reserve(kCells * kCells * 6);
    mesh.built = true;
}

static void updateTerrainMesh(const Heightmap& field) {
    if (!terrainMesh.built ||
        std::memcmp(terrainMesh.source, field.height, sizeof terrainMesh.source) != 0)
        buildTerrainMesh(field);
}

// The six planes of the current view volume in world coordinates, from the
// projection and model-view matrices: a point (x, y, z) lies inside when
// a x + b y + c z + d >= 0 for every plane (a, b, c, d).
struct ViewVolume {
    double planes[6][4];
};

static ViewVolume currentViewVolume() {
    GLdouble projection[16], modelView[16], clip[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    // clip = projection x modelView, both column-major.
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k)
                sum += projection[k * 4 + row] * modelView[column * 4 + k];
            clip[column * 4 + row] = sum;
        }
    }
    ViewVolume volume;
    for (int axis = 0; axis < 3; ++axis) {
        for (int side = 0; side < 2; ++side) {
            double* plane = volume.planes[axis * 2 + side];
            const double sign = side == 0 ? 1.0 : -1.0;
            for (int column = 0; column < 4; ++column)
                plane[column] = clip[column * 4 + 3] + sign * clip[column * 4 + axis];
        }
    }
    return volume;
}

// Whether the box lies wholly on the outer side of one of the planes. The
// test is conservative: a box that only touches the volume counts as inside,
// with a margin far above any rounding of the planes.
static bool boxOutside(const ViewVolume& volume, double x0, double x1, double y0, double y1,
                       double z0, double z1) {
    for (const auto& p : volume.planes) {
        const double x = p[0] >= 0.0 ? x1 : x0;
        const double y = p[1] >= 0.0 ? y1 : y0;
        const double z = p[2] >= 0.0 ? z1 : z0;
        const double reach = p[0] * x + p[1] * y + p[2] * z + p[3];
        const double scale = std::abs(p[0]) + std::abs(p[1]) + std::abs(p[2]) + std::abs(p[3]);
        if (reach < -1e-6 * scale)
            return true;
    }
    return false;
}

// Tiles of cells tested first, so that most cells of a view need no test of their own.
constexpr int kTile = 11;
constexpr int kTiles = (kCells + kTile - 1) / kTile;

void drawTerrain(const Heightmap& field) {
    updateTerrainMesh(field);
    TerrainMesh& mesh = terrainMesh;
    const ViewVolume volume = currentViewVolume();

    bool tileVisible[kTiles][kTiles];
    for (int ti = 0; ti < kTiles; ++ti) {
        for (int tj = 0; tj < kTiles; ++tj) {
            const int i0 = ti * kTile, i1 = std::min(kCells, i0 + kTile);
            const int j0 = tj * kTile, j1 = std::min(kCells, j0 + kTile);
            float low = mesh.cellLow[i0 * kCells + j0], high = mesh.cellHigh[i0 * kCells + j0];
            for (int i = i0; i < i1; ++i) {
                for (int j = j0; j < j1; ++j) {
                    low = std::min(low, mesh.cellLow[i * kCells + j]);
                    high = std::max(high, mesh.cellHigh[i * kCells + j]);
                }
            }
            tileVisible[ti][tj] = !boxOutside(volume, 10.0 * i0 - 1000, 10.0 * i1 - 1000, low, high,
                                              1000 - 10.0 * j1, 1000 - 10.0 * j0);
        }
    }

    // Each cell is the four-vertex polygon (i, j), (i, j+1), (i+1, j+1),
    // (i+1, j). A polygon is filled as the fan of triangles around its first
    // vertex, each listed with that vertex last; the same two triangles per
    // cell, in that vertex order and in cell order, fill the same pixels with
    // the same colours. Cells wholly outside the view are left out.
    mesh.indices.clear();
    for (int i = 0; i < kCells; ++i) {
        for (int j = 0; j < kCells; ++j) {
            if (!tileVisible[i / kTile][j / kTile])
                continue;
            if (boxOutside(volume, 10.0 * i - 1000, 10.0 * (i + 1) - 1000,
                           mesh.cellLow[i * kCells + j], mesh.cellHigh[i * kCells + j],
                           1000 - 10.0 * (j + 1), 1000 - 10.0 * j))
                continue;
            const GLuint corner[6] = {sampleIndex(i, j + 1), sampleIndex(i + 1, j + 1),
                                      sampleIndex(i, j),     sampleIndex(i + 1, j + 1),
                                      sampleIndex(i + 1, j), sampleIndex(i, j)};
            mesh.indices.insert(mesh.indices.end(), corner, corner + 6);
        }
    }
    if (mesh.indices.empty())
        return;

    // No normal array: every vertex takes the current normal, as the
    // polygons did.
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, mesh.positions.data());
    glColorPointer(3, GL_FLOAT, 0, mesh.colours.data());
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(mesh.indices.size()), GL_UNSIGNED_INT,
                   mesh.indices.data());
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}

}  // namespace render
