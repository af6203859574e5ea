// terrain_test.cpp -- the landscape's generation and the levels its heights are drawn at.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <set>

#include "common/random.h"
#include "render/heightmap.h"

namespace {

using render::kTerrainSize;

TEST(Terrain, AfterTheRunsFirstDrawItMakesTwoHundredSixtySevenHills) {
    auto heightmap = std::make_unique<render::Heightmap>();
    common::Random random = common::kInitialRandom;
    EXPECT_EQ(common::drawRandom(random), 41);
    const std::uint32_t start = random.state;
    const render::TerrainSummary summary = render::generateTerrain(*heightmap, random);
    EXPECT_EQ(summary.hills, 267);
    EXPECT_EQ(summary.firstRow, 44);
    EXPECT_EQ(summary.firstColumn, 50);
    EXPECT_EQ(summary.firstPeak, 219.0f);
    EXPECT_EQ(summary.movedHills, 14);

    // One draw for the count; per hill two for the place, one for the peak
    // and one for each of the 360 flank cells; two more per moved hill.
    std::uint32_t expected = start;
    const long draws = 1 + 267L * 363 + 14L * 2;
    for (long i = 0; i < draws; ++i)
        expected = expected * 214013u + 2531011u;
    EXPECT_EQ(random.state, expected);
}

TEST(Terrain, HoldsOnlySeaFlatSquareAndHillValues) {
    auto heightmap = std::make_unique<render::Heightmap>();
    common::Random random = common::kInitialRandom;
    common::drawRandom(random);
    render::generateTerrain(*heightmap, random);
    for (int i = 0; i < kTerrainSize; ++i) {
        for (int j = 0; j < kTerrainSize; ++j) {
            const float h = heightmap->height[i][j];
            const bool border = i == 0 || j == 0 || i == kTerrainSize - 1 || j == kTerrainSize - 1;
            if (border) {
                ASSERT_EQ(h, (i + j) % 2 == 0 ? -5.0f : -4.0f) << i << "," << j;
            }
            const bool sea = h == -5.0f || h == -4.0f;
            const bool flat = h == -15.0f || h == -16.0f || h == -17.0f;
            ASSERT_TRUE(sea || flat || (h >= 0.0f && h <= 299.0f)) << i << "," << j << ": " << h;
            if (flat) {
                ASSERT_TRUE(i >= 75 && i <= 124 && j >= 75 && j <= 124);
            }
        }
    }
    // The centre of the pitch's square is seldom reached by a flank.
    EXPECT_EQ(heightmap->height[100][100], -16.0f);  // (100 + 100) mod 3 = 2
}

TEST(Terrain, LevelsTruncateTowardZero) {
    struct Case {
        float height;
        int level;
    };
    const Case cases[] = {{-5.0f, -10},  {-4.0f, -9},   {-15.0f, 0}, {-16.0f, -1}, {-17.0f, -2},
                          {-14.5f, -19}, {299.0f, 299}, {9.9f, 9},   {0.0f, 0},    {-0.5f, -5}};
    for (const Case& c : cases)
        EXPECT_EQ(render::terrainLevel(c.height), c.level) << c.height;
}

}  // namespace
