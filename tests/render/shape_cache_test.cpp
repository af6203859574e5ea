// shape_cache_test.cpp -- cached shapes: a list per size, five in a run, rebuilt per context.
#include "render/shape_cache.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "frame/camera.h"
#include "frame/frame_picture.h"
#include "frame/scene_start.h"
#include "render/figures.h"
#include "render/pitch_ball_rain.h"
#include "tests/render/offscreen_scene_fixture.h"

namespace render_test {

using ShapeCacheProbe = OffscreenScene;

TEST_F(ShapeCacheProbe, FiveListsAfterFramesThatDrawEveryFigureAndTheBall) {
    EXPECT_EQ(render::shapeCacheSize(), 0);
    runFrame();
    EXPECT_EQ(render::shapeCacheSize(), 5);
    for (int i = 0; i < 3; ++i)
        runFrame();
    EXPECT_EQ(render::shapeCacheSize(), 5);
}

TEST_F(ShapeCacheProbe, EqualSizesShareAListAndTheLastBitMakesAnother) {
    const GLuint before = glGenLists(1);
    render::solidSphere(0.3);
    render::solidSphere(0.3);
    EXPECT_EQ(render::shapeCacheSize(), 1);
    render::solidSphere(std::nextafter(0.3, 1.0));
    EXPECT_EQ(render::shapeCacheSize(), 2);
    render::solidCylinder(0.1, 0.9);
    render::solidCylinder(0.1, 0.9);
    EXPECT_EQ(render::shapeCacheSize(), 3);
    // Same radius, other height: a cylinder of its own.
    render::solidCylinder(0.1, 1.0);
    EXPECT_EQ(render::shapeCacheSize(), 4);
    // A sphere and a cylinder never share, even with equal first parameters.
    render::solidSphere(0.1);
    EXPECT_EQ(render::shapeCacheSize(), 5);
    // Each compiled shape took exactly one list name.
    const GLuint after = glGenLists(1);
    EXPECT_EQ(after, before + 6);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// One team 2 figure and the ball, from a fixed camera, with a fixed current
// normal; returns the picture.
static std::vector<unsigned char> drawFixedFigure(OffscreenScene& scene) {
    frame::resizeScene(*scene.world, 1024, 768);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    frame::placeCamera(frame::Camera{0.0f, -3.0f, -8.0f, 10.0f, 0.0f, 45.0f, false});
    glNormal3f(0.0f, 0.0f, 1.0f);
    render::drawOutfieldPlayer(0.0f, 0.0f, 30.0f, render::kTeam2Kit, 3);
    render::drawGoalkeeper(-2.0f, -1.0f, 4);
    render::drawBall(1.0f, 1.0f);
    std::vector<unsigned char> rgb;
    platform::readOffscreenPixels(scene.context, rgb);
    return rgb;
}

TEST_F(ShapeCacheProbe, ToggleRebuildsTheListsInTheNewContextAndThePixelsStayTheSame) {
    runFrame();
    ASSERT_EQ(render::shapeCacheSize(), 5);
    const std::vector<unsigned char> before = drawFixedFigure(*this);
    // The figure really is in the picture: many pixels differ from the sky.
    int drawn = 0;
    for (size_t i = 0; i + 2 < before.size(); i += 3) {
        if (before[i] != 153 || before[i + 1] != 153 || before[i + 2] != 255)
            ++drawn;
    }
    EXPECT_GT(drawn, 20000);

    recreateContext();
    EXPECT_EQ(render::shapeCacheSize(), 0) << "the old context's lists went with it";
    const std::vector<unsigned char> after = drawFixedFigure(*this);
    EXPECT_EQ(render::shapeCacheSize(), 5);
    EXPECT_TRUE(before == after) << "the figure looks different after the toggle";
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    runFrame();
    EXPECT_EQ(render::shapeCacheSize(), 5);
}

}  // namespace render_test
