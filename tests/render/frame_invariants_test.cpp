// frame_invariants_test.cpp -- clean stacks, no GL error after a frame; drawing changes nothing.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "common/random.h"
#include "frame/camera.h"
#include "frame/key_table.h"
#include "frame/overlay.h"
#include "frame/scene_start.h"
#include "frame/viewport_size.h"
#include "render/figure_animation.h"
#include "render/figures.h"
#include "render/heightmap.h"
#include "render/pitch_ball_rain.h"
#include "render/pitch_markings.h"
#include "render/rain_field.h"
#include "render/terrain_drawing.h"
#include "sim/match_state.h"
#include "tests/render/offscreen_scene_fixture.h"

namespace render_test {

using FrameInvariants = OffscreenScene;

static GLint integerState(GLenum name) {
    GLint value = -1;
    glGetIntegerv(name, &value);
    return value;
}

TEST_F(FrameInvariants, MatrixStacksAndErrorsAreCleanAfterEveryFrame) {
    const GLint modelDepth = integerState(GL_MODELVIEW_STACK_DEPTH);
    const GLint projectionDepth = integerState(GL_PROJECTION_STACK_DEPTH);
    ASSERT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    // Pouring rain from the start, so that every frame draws drops.
    render::rainField.raining = 1;
    render::rainField.clock = 600;
    for (int frame = 1; frame <= 160; ++frame) {
        frame::keyTable = frame::KeyTable{};
        if (frame >= 20 && frame < 30)
            frame::keyTable.held[0x32 + frame % 4] = true;  // presets
        if (frame >= 30 && frame < 40)
            frame::keyTable.held[0x5A] = true;  // wider
        if (frame >= 40 && frame < 50)
            frame::keyTable.held[0x4F] = true;  // forward
        if (frame == 60)
            frame::keyTable.held[0x31] = true;  // restart
        const int celebration = sim::match.goalCelebration;
        if (frame >= 70 && frame < 75)
            sim::match.goalCelebration = 5;  // banner on
        runFrame();
        if (frame >= 70 && frame < 75)
            sim::match.goalCelebration = celebration;

        ASSERT_EQ(integerState(GL_MODELVIEW_STACK_DEPTH), modelDepth) << "frame " << frame;
        ASSERT_EQ(integerState(GL_PROJECTION_STACK_DEPTH), projectionDepth) << "frame " << frame;
        ASSERT_EQ(integerState(GL_MATRIX_MODE), GL_MODELVIEW) << "frame " << frame;
        ASSERT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "frame " << frame;
        ASSERT_TRUE(glIsEnabled(GL_DEPTH_TEST)) << "frame " << frame;
        ASSERT_TRUE(glIsEnabled(GL_LIGHTING)) << "frame " << frame;
    }
    EXPECT_GT(render::fallingDropCount(), 0);
}

// A byte-for-byte copy of a record, to compare after drawing.
template <typename Record>
static std::vector<unsigned char> bytesOf(const Record& record) {
    std::vector<unsigned char> bytes(sizeof record);
    std::memcpy(bytes.data(), &record, sizeof record);
    return bytes;
}

TEST_F(FrameInvariants, DrawingReadsStateAndChangesNone) {
    render::rainField.raining = 1;
    render::rainField.clock = 600;
    for (int frame = 0; frame < 110; ++frame)
        runFrame();  // past the warm-up, rain falling
    ASSERT_GT(render::fallingDropCount(), 0);

    const auto match = bytesOf(sim::match);
    const auto camera = bytesOf(frame::camera);
    const auto animation = bytesOf(render::figureAnimation);
    const auto rain = bytesOf(render::rainField);
    const auto terrain = bytesOf(render::heightmap);
    const auto viewport = bytesOf(frame::viewportSize);
    const std::uint32_t generator = common::randomState();

    render::drawPitch();
    render::drawBall(sim::match.ball.lateral, sim::match.ball.lengthwise);
    render::drawTerrain(render::heightmap);
    render::drawPitchMarkings();
    render::drawGoalkeeper(sim::match.team1.keeperLateral, 2.0f,
                           render::figureAnimation.keeperTeam1);
    render::drawOutfieldPlayer(1.0f, 2.0f, 3.0f, render::kTeam1Kit,
                               render::figureAnimation.strideTeam1);
    render::drawRain(render::rainField);
    frame::beginOverlay();
    const frame::OverlayLayout layout = frame::overlayLayout(1024, 768);
    frame::drawScoreboard(layout, sim::match.goalsTeam1, sim::match.goalsTeam2);
    frame::drawPauseNotice(layout);
    frame::drawGoalBanner(layout);
    frame::endOverlay();

    EXPECT_TRUE(bytesOf(sim::match) == match);
    EXPECT_TRUE(bytesOf(frame::camera) == camera);
    EXPECT_TRUE(bytesOf(render::figureAnimation) == animation);
    EXPECT_TRUE(bytesOf(render::rainField) == rain);
    EXPECT_TRUE(bytesOf(render::heightmap) == terrain);
    EXPECT_TRUE(bytesOf(frame::viewportSize) == viewport);
    EXPECT_EQ(common::randomState(), generator);
}

// Looks along +z from (0, -12, 0) and draws nothing but the rain.
static int rainPixels(OffscreenScene& scene) {
    frame::resizeScene(1024, 768);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glRotatef(180.0f, 0.0f, 1.0f, 0.0f);
    glTranslatef(0.0f, 12.0f, 0.0f);
    render::drawRain(render::rainField);
    scene.capture();
    int count = 0;
    for (int y = 0; y < 768; ++y) {
        for (int x = 0; x < 1024; ++x) {
            const Rgb c = scene.pixel(x, y);
            if (c.r != 153 || c.g != 153 || c.b != 255)
                ++count;
        }
    }
    return count;
}

TEST_F(FrameInvariants, RainDrawsExactlyTheDropsAboveMinusTen) {
    for (render::RainDrop& drop : render::rainField.drops)
        drop = render::RainDrop{0.0f, -10.0f, 10.0f};
    EXPECT_EQ(rainPixels(*this), 0) << "a drop at exactly -10 rests";
    render::rainField.drops[4321].y = -9.9f;
    EXPECT_GT(rainPixels(*this), 20) << "a drop at -9.9 falls and is drawn";
    EXPECT_EQ(render::rainField.drops[4321].y, -9.9f) << "drawing moves no drop";
}

}  // namespace render_test
