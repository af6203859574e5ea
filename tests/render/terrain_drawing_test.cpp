// terrain_drawing_test.cpp -- the terrain's colour ramp, band by band and at every bound.
#include "render/terrain_drawing.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "tests/render/offscreen_scene_fixture.h"

namespace render_test {

using TerrainProbe = OffscreenScene;

static void expectColour(float height, float r, float g, float b) {
    render::terrainColor(height);
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_FLOAT_EQ(colour[0], r) << "height " << height;
    EXPECT_FLOAT_EQ(colour[1], g) << "height " << height;
    EXPECT_FLOAT_EQ(colour[2], b) << "height " << height;
}

TEST_F(TerrainProbe, ColourRampBandsAndTheirBounds) {
    expectColour(-18.0f, 0.0f, 0.5f, 0.1f);
    expectColour(-17.0f, 0.0f, 0.5f, 0.1f);
    expectColour(-16.5f, 0.0f, 0.7f, 0.1f);
    expectColour(-16.0f, 0.0f, 0.7f, 0.1f);
    expectColour(-15.0f, 0.0f, 0.9f, 0.1f);
    expectColour(-14.9f, 0.0f, 0.0f, 3.2f);
    expectColour(-5.0f, 0.0f, 0.0f, 3.2f);
    expectColour(-4.0f, 0.0f, 0.0f, 3.0f);
    expectColour(-3.0f, 0.0f, 0.0f, 2.8f);
    expectColour(-2.0f, 0.0f, 0.0f, 2.5f);
    expectColour(-1.0f, 0.0f, 0.0f, 2.2f);
    expectColour(-0.001f, 0.0f, 0.0f, 2.2f);
    expectColour(0.0f, 0.54f, 0.96f, 0.53f);
    expectColour(9.9f, 0.54f, 0.96f, 0.53f);
    expectColour(10.0f, 0.8f, 0.9f, 0.58f);
    expectColour(20.0f, 1.0f, 0.68f, 0.48f);
    expectColour(30.0f, 1.08f, 0.68f, 0.19f);
    expectColour(40.0f, 1.28f, 0.64f, 0.0f);
    expectColour(50.0f, 2.5f, 2.1f, 1.5f);
    expectColour(59.99f, 2.5f, 2.1f, 1.5f);
    expectColour(60.0f, 1.0f, 1.0f, 1.0f);
    expectColour(299.0f, 1.0f, 1.0f, 1.0f);
}

}  // namespace render_test
