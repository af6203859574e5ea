// scene_pixels_test.cpp -- probes of the scene: sky, pitch squares, fog, shirts and the ball.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "frame/camera.h"
#include "frame/clubs.h"
#include "frame/key_table.h"
#include "sim/match_state.h"
#include "tests/render/offscreen_scene_fixture.h"

namespace render_test {

using SceneProbe = OffscreenScene;

// Puts the eye at a world point with the given tilt and turn (the camera
// translates by minus the eye position).
static void placeEye(frame::Camera& camera, double x, double y, double z, float pitch, float yaw) {
    camera.translateX = static_cast<float>(-x);
    camera.translateY = static_cast<float>(-y);
    camera.translateZ = static_cast<float>(-z);
    camera.pitch = pitch;
    camera.yaw = yaw;
}

static void expectNear(Rgb actual, double r, double g, double b, double tolerance,
                       const char* what) {
    EXPECT_NEAR(actual.r, r, tolerance) << what;
    EXPECT_NEAR(actual.g, g, tolerance) << what;
    EXPECT_NEAR(actual.b, b, tolerance) << what;
}

TEST_F(SceneProbe, SkyShowsTheClearColourWhereNothingIsDrawn) {
    world->camera.pitch = -60.0f;  // tilted well above the horizon
    runFrame();
    capture();
    for (int x : {40, 300, 700, 980}) {
        ASSERT_EQ(depth(x, 200), 1.0f) << "something was drawn at " << x;
        const Rgb sky = pixel(x, 200);
        EXPECT_EQ(sky.r, 153);
        EXPECT_EQ(sky.g, 153);
        EXPECT_EQ(sky.b, 255);
    }
}

// Looking straight down on the near-left corner of the pitch. In the first
// frame nothing has sent a normal yet, so the squares face away from the spot
// light and show only the ambient half of their colour: green 255, 245, 200
// and 190 become about 127.5, 122.5, 100 and 95.
TEST_F(SceneProbe, PitchSquaresKeepTheirCheckerAndBandGreens) {
    placeEye(world->camera, -28.0, 31.0, 10.0, 90.0f, 0.0f);
    runFrame();
    capture();

    // The eye looks straight down: the point below it is the picture's centre.
    int cx = 0, cy = 0;
    ASSERT_TRUE(project(-28.0, 1.0, 10.0, cx, cy));
    EXPECT_NEAR(cx, kWidth / 2, 1);
    EXPECT_NEAR(cy, kHeight / 2, 1);

    struct Square {
        double x, z;  // the square's centre
        int green;
    };
    const Square squares[] = {
        {-34.5, 0.5, 255},  {-33.5, 0.5, 245},  {-34.5, 1.5, 245},  {-33.5, 1.5, 255},
        {-34.5, 10.5, 200}, {-33.5, 10.5, 190}, {-34.5, 11.5, 190}, {-30.5, 20.5, 255},
        {-29.5, 19.5, 200}, {-25.5, 15.5, 200}, {-25.5, 14.5, 190},
    };
    for (const Square& square : squares) {
        int px = 0, py = 0;
        ASSERT_TRUE(project(square.x, 1.0, square.z, px, py));
        const Rgb colour = pixel(px, py);
        SCOPED_TRACE(::testing::Message() << "square at x " << square.x << ", z " << square.z);
        expectNear(colour, 0.0, square.green * 0.5, 0.0, 1.0, "ambient-lit green");
    }
}

TEST_F(SceneProbe, DistantTerrainTakesTheFogColour) {
    runFrame();
    capture();
    // The window depth of an eye distance of 505: beyond it linear fog (200
    // to 500) has replaced every colour by the fog colour (0.5, 0.5, 0.6).
    GLdouble p[16];
    glGetDoublev(GL_PROJECTION_MATRIX, p);
    const double z = -505.0;
    const double ndc = (p[10] * z + p[14]) / (p[11] * z + p[15]);
    const float fogDepth = static_cast<float>(ndc * 0.5 + 0.5);

    int fogged = 0;
    for (int y = 0; y < kHeight; y += 2) {
        for (int x = 0; x < kWidth; x += 2) {
            const float d = depth(x, y);
            if (d <= fogDepth || d >= 1.0f)
                continue;
            ++fogged;
            const Rgb colour = pixel(x, y);
            ASSERT_NEAR(colour.r, 127.5, 1.0) << "at " << x << "," << y;
            ASSERT_NEAR(colour.g, 127.5, 1.0) << "at " << x << "," << y;
            ASSERT_NEAR(colour.b, 153.0, 1.0) << "at " << x << "," << y;
        }
    }
    EXPECT_GT(fogged, 1000) << "the default view should show terrain beyond the fog's end";
}

TEST_F(SceneProbe, FiguresWearTheirKitsWhereThePlayersStand) {
    // Team 2's first player: orange shirt (1, 0.5, 0), lit.
    const sim::OutfieldPlayer orange = world->match.team2.outfield[0];
    placeEye(world->camera, orange.lateral, 2.3, orange.lengthwise - 4.0, 0.0f, 180.0f);
    runFrame();
    capture();
    int px = 0, py = 0;
    ASSERT_TRUE(project(orange.lateral, 2.3, orange.lengthwise, px, py));
    Rgb shirt = pixel(px, py);
    EXPECT_EQ(shirt.b, 0);
    EXPECT_GE(shirt.r, 127);
    EXPECT_GT(shirt.g, 40);
    EXPECT_GT(shirt.r, shirt.g + 40);

    // Team 1's first player: white shirt, every channel at least the ambient half.
    const sim::OutfieldPlayer white = world->match.team1.outfield[0];
    placeEye(world->camera, white.lateral, 2.3, white.lengthwise - 4.0, 0.0f, 180.0f);
    runFrame();
    capture();
    ASSERT_TRUE(project(white.lateral, 2.3, white.lengthwise, px, py));
    shirt = pixel(px, py);
    EXPECT_GE(shirt.r, 127);
    EXPECT_GE(shirt.g, 127);
    EXPECT_GE(shirt.b, 127);

    // Team 1's goalkeeper at lengthwise 2, seen from inside the net: black.
    const float keeper = world->match.team1.keeperLateral;
    placeEye(world->camera, keeper, 2.3, -2.0, 0.0f, 180.0f);
    runFrame();
    capture();
    ASSERT_TRUE(project(keeper, 2.3, 2.0, px, py));
    shirt = pixel(px, py);
    EXPECT_EQ(shirt.r, 0);
    EXPECT_EQ(shirt.g, 0);
    EXPECT_EQ(shirt.b, 0);
}

// A club's kit: COPPERTON's copper shirts and black shorts, where the
// designed kits leave the legs bare.
TEST_F(SceneProbe, AClubsPlayersWearItsShirtsAndShorts) {
    common::MatchChoice choice;
    choice.home = "COPPERTON";
    std::string error;
    const frame::MatchClubs designed = world->clubs;
    ASSERT_TRUE(frame::resolveClubs(frame::builtInClubs(), choice, world->clubs, error)) << error;
    const sim::OutfieldPlayer player = world->match.team1.outfield[0];
    placeEye(world->camera, player.lateral, 2.0, player.lengthwise - 4.0, 0.0f, 180.0f);
    for (const bool club : {true, false}) {
        world->clubs = club ? world->clubs : designed;
        runFrame();
        capture();
        int px = 0, py = 0;
        ASSERT_TRUE(project(player.lateral + 0.2, 1.75, player.lengthwise, px, py));
        const Rgb legs = pixel(px, py);
        EXPECT_EQ(legs.r + legs.g + legs.b == 0, club) << "black shorts, or bare legs";
        ASSERT_TRUE(project(player.lateral, 2.3, player.lengthwise, px, py));
        const Rgb shirt = pixel(px, py);
        if (club) {
            EXPECT_GT(shirt.r, shirt.g + 20) << "copper";
            EXPECT_GT(shirt.g, shirt.b + 20) << "copper";
        }
    }
}

TEST_F(SceneProbe, BallIsWhiteOnTheCentreSpotAtKickOffFromPresetFour) {
    ASSERT_EQ(world->match.ball.lateral, 0.0f);
    ASSERT_EQ(world->match.ball.lengthwise, 50.0f);
    world->keys.held[0x34] = true;
    runFrame();
    capture();
    EXPECT_EQ(world->camera.translateZ, 35.0f);  // the preset took effect this frame
    int px = 0, py = 0;
    ASSERT_TRUE(project(0.0, 1.25, 50.0, px, py));
    // A 3 by 3 block: wider than any pitch line, narrower than the ball.
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const Rgb ball = pixel(px + dx, py + dy);
            EXPECT_GE(ball.r, 120) << dx << "," << dy;
            EXPECT_GE(ball.g, 120) << dx << "," << dy;
            EXPECT_GE(ball.b, 120) << dx << "," << dy;
        }
    }
    // Just in front of the ball lies grass, which has no red or blue.
    const Rgb grass = pixel(px, py + 9);
    EXPECT_EQ(grass.r, 0);
    EXPECT_EQ(grass.b, 0);
}

}  // namespace render_test
