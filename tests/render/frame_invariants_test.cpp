// frame_invariants_test.cpp -- clean stacks, no GL error after a frame; drawing changes nothing.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "frame/frame_picture.h"
#include "frame/frame_step.h"
#include "frame/key_table.h"
#include "frame/notice_line.h"
#include "frame/overlay.h"
#include "frame/replay_picture.h"
#include "frame/replay_tape.h"
#include "frame/scene_start.h"
#include "frame/world.h"
#include "platform/key_codes.h"
#include "render/figure_animation.h"
#include "render/figures.h"
#include "render/gl_errors.h"
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
    world->rain.raining = 1;
    world->rain.clock = 600;
    for (int frame = 1; frame <= 160; ++frame) {
        frame::KeyTable& keys = world->keys;
        keys = frame::KeyTable{};
        if (frame >= 20 && frame < 30)
            keys.held[0x32 + frame % 4] = true;  // presets
        if (frame >= 30 && frame < 40)
            keys.held[0x5A] = true;  // wider
        if (frame >= 40 && frame < 50)
            keys.held[0x4F] = true;  // forward
        if (frame == 60)
            keys.held[0x31] = true;  // restart
        const int celebration = world->match.goalCelebration;
        if (frame >= 70 && frame < 75)
            world->match.goalCelebration = 5;  // banner on
        runFrame();
        if (frame >= 70 && frame < 75)
            world->match.goalCelebration = celebration;

        ASSERT_EQ(integerState(GL_MODELVIEW_STACK_DEPTH), modelDepth) << "frame " << frame;
        ASSERT_EQ(integerState(GL_PROJECTION_STACK_DEPTH), projectionDepth) << "frame " << frame;
        ASSERT_EQ(integerState(GL_MATRIX_MODE), GL_MODELVIEW) << "frame " << frame;
        ASSERT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "frame " << frame;
        ASSERT_TRUE(glIsEnabled(GL_DEPTH_TEST)) << "frame " << frame;
        ASSERT_TRUE(glIsEnabled(GL_LIGHTING)) << "frame " << frame;
    }
    EXPECT_GT(world->rain.falling, 0);
}

// A byte-for-byte copy of the world, to compare after drawing.
static std::vector<unsigned char> bytesOf(const frame::World& world) {
    std::vector<unsigned char> bytes(sizeof world);
    std::memcpy(bytes.data(), &world, sizeof world);
    return bytes;
}

TEST_F(FrameInvariants, DrawingReadsStateAndChangesNone) {
    // Raining since frame 2948, Tab's panel shown from frame 3000.
    for (int frame = 1; frame <= 3600; ++frame) {
        world->keys = frame::KeyTable{};
        world->keys.held[platform::kVkTab] = frame == 3000;
        frame::stepWorld(*world);
    }
    ASSERT_EQ(world->rain.raining, 1);
    ASSERT_GT(world->rain.falling, 0);
    ASSERT_EQ(world->rain.stepped, 1);
    ASSERT_TRUE(world->panel.shown);

    const sim::MatchState& match = world->match;
    const render::FigureAnimation& animation = world->animation;
    const auto before = bytesOf(*world);
    render::drawPitch();
    render::drawBall(match.ball.lateral, match.ball.lengthwise);
    render::drawTerrain(world->heightmap);
    render::drawPitchMarkings();
    render::drawGoalkeeper(match.team1.keeperLateral, 2.0f, animation.keeperTeam1);
    render::drawOutfieldPlayer(1.0f, 2.0f, 3.0f, render::kTeam1Kit, animation.strideTeam1);
    render::drawRain(world->rain);
    frame::beginOverlay(world->viewport);
    const frame::OverlayLayout layout = frame::overlayLayout(1024, 768);
    frame::drawScoreboard(layout, match.goalsTeam1, match.goalsTeam2);
    frame::drawPauseNotice(layout);
    frame::drawGoalBanner(layout);
    frame::endOverlay();
    EXPECT_TRUE(bytesOf(*world) == before);

    // Whole frames drawn twice leave every byte of the world as it was: in the
    // rain with the panel shown, then paused with a notice line, so that
    // the labels are drawn too.
    for (bool paused : {false, true}) {
        if (paused) {
            world->keys.held[platform::kVkPause] = true;  // frame 3601
            frame::stepWorld(*world);
            ASSERT_TRUE(world->pause.paused);
            frame::showNoticeLine(world->notice, "shot.png", false, 0);
        }
        const auto snapshot = bytesOf(*world);
        frame::drawFrame(*world);
        frame::drawFrame(*world);
        EXPECT_EQ(render::drainGlErrors(), "") << "paused " << paused;
        EXPECT_TRUE(bytesOf(*world) == snapshot) << "paused " << paused;
    }

    // A replay's picture is drawn from the tape's copy of a kept world, which
    // drawing could reach through the tape: it is left as it was too.
    const frame::ViewportSize viewport = world->viewport;
    *world = frame::initialWorld();
    world->viewport = viewport;
    world->replay.enabled = true;
    frame::initSceneState(*world);
    frame::ReplayTape tape;
    while (world->statistics.frames < 2000 && world->replay.progress < 30) {
        world->keys = frame::KeyTable{};
        frame::stepFrame(*world, tape);
    }
    ASSERT_NE(frame::replayedWorld(tape, *world), nullptr);
    const auto live = bytesOf(*world);
    const auto copy = bytesOf(*tape.copy);
    frame::drawFrame(*world, tape);
    frame::drawFrame(*world, tape);
    EXPECT_EQ(render::drainGlErrors(), "");
    EXPECT_TRUE(bytesOf(*world) == live);
    EXPECT_TRUE(bytesOf(*tape.copy) == copy) << "the replayed world";
}

// Looks along +z from (0, -12, 0) and draws nothing but the rain.
static int rainPixels(OffscreenScene& scene) {
    frame::resizeScene(*scene.world, 1024, 768);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glRotatef(180.0f, 0.0f, 1.0f, 0.0f);
    glTranslatef(0.0f, 12.0f, 0.0f);
    render::drawRain(scene.world->rain);
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
    render::RainField& rain = world->rain;
    for (render::RainDrop& drop : rain.drops)
        drop = render::RainDrop{0.0f, -10.0f, 10.0f};
    EXPECT_EQ(rainPixels(*this), 0) << "a drop at exactly -10 rests";
    rain.drops[4321].y = -9.9f;
    EXPECT_GT(rainPixels(*this), 20) << "a drop at -9.9 falls and is drawn";
    EXPECT_EQ(rain.drops[4321].y, -9.9f) << "drawing moves no drop";
}

}  // namespace render_test
