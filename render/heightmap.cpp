// heightmap.cpp -- the landscape's generation: sea, the flat square under the pitch, hills.
#include "render/heightmap.h"

#include "common/random.h"

namespace render {

// The flat square under the pitch: rows and columns 75..124.
static constexpr int kFlatFirst = 75;
static constexpr int kFlatLast = 124;

static void fillSeaAndFlatSquare(Heightmap& heightmap) {
    for (int i = 0; i < kTerrainSize; ++i) {
        for (int j = 0; j < kTerrainSize; ++j)
            heightmap.height[i][j] = (i + j) % 2 == 0 ? -5.0f : -4.0f;
    }
    static constexpr float kFlatLevels[3] = {-15.0f, -17.0f, -16.0f};
    for (int i = kFlatFirst; i <= kFlatLast; ++i) {
        for (int j = kFlatFirst; j <= kFlatLast; ++j)
            heightmap.height[i][j] = kFlatLevels[(i + j) % 3];
    }
}

// One pyramid: the peak, then nine rings of noisy flanks, each ring's cells
// visited row by row and a fresh draw for every cell.
static void raiseHill(Heightmap& heightmap, common::Random& random, TerrainSummary& summary) {
    int row = common::drawRandom(random) % 180 + 10;
    int col = common::drawRandom(random) % 180 + 10;
    // Peaks that would stand on the pitch are moved away (rows 81..119,
    // columns 81..124); only the peak moves, flanks may still reach it.
    if (row > 80 && row < 120 && col > 80 && col < 125) {
        row = row + common::drawRandom(random) % 10 + 45;
        col = col + common::drawRandom(random) % 10 + 45;
        summary.movedHills += 1;
    }
    const float peak = static_cast<float>(common::drawRandom(random) % 250 + 50);
    heightmap.height[row][col] = peak;
    if (summary.hills == 0)
        summary = TerrainSummary{0, summary.movedHills, row, col, peak};
    summary.hills += 1;

    const double e = peak;
    for (int k = 1; k <= 9; ++k) {
        const double level = e - (k * e) / 10.0;
        for (int a = row - k; a <= row + k; ++a) {
            const bool edgeRow = a == row - k || a == row + k;
            for (int b = col - k; b <= col + k; ++b) {
                if (!edgeRow && b != col - k && b != col + k)
                    continue;
                const int noise = common::drawRandom(random) % 10;
                heightmap.height[a][b] = static_cast<float>(noise + level - 5.0);
            }
        }
    }
}

TerrainSummary generateTerrain(Heightmap& heightmap, common::Random& random) {
    fillSeaAndFlatSquare(heightmap);
    TerrainSummary summary = {};
    const int hills = common::drawRandom(random) % 300 + 100;
    for (int n = 0; n < hills; ++n)
        raiseHill(heightmap, random, summary);
    return summary;
}

int terrainLevel(float height) {
    if (height <= -15.0)
        return static_cast<int>(height + 15.0);
    if (height < 0.0)
        return static_cast<int>(height - 5.0);
    return static_cast<int>(height);
}

}  // namespace render
