// frame_state_test.cpp -- the order of a frame's state changes: the simulation gate,
// the stride and keeper counters, the camera keys and the rain.
#include "frame/frame_state.h"

#include <cstring>

#include "frame/match_pause.h"
#include "platform/key_codes.h"
#include "render/heightmap.h"
#include "tests/frame/frame_state_fixture.h"

namespace {

using frame_test::FrameTest;

TEST_F(FrameTest, AfterAResetOneHundredAndOneFramesRunNoTick) {
    frame::initSceneState();
    const sim::MatchState kickOff = sim::match;
    for (int frame = 1; frame <= 101; ++frame) {
        frame::advanceFrameState();
        ASSERT_EQ(sim::match.warmUpFrames, frame);
        ASSERT_EQ(sim::match.possession.timer, 0) << frame;
        ASSERT_EQ(sim::match.team1.outfield[3].lateral, kickOff.team1.outfield[3].lateral);
    }
    EXPECT_EQ(render::figureAnimation.strideTeam1, 1);
    EXPECT_EQ(render::figureAnimation.strideTeam2, 4);

    frame::advanceFrameState();  // frame 102: the first tick
    EXPECT_EQ(sim::match.warmUpFrames, 101);
    EXPECT_EQ(sim::match.possession.timer, 1);
    EXPECT_EQ(sim::match.team1.outfield[3].lateral, 5.0f);
    EXPECT_EQ(render::figureAnimation.strideTeam1, 2);
    EXPECT_EQ(render::figureAnimation.strideTeam2, 5);
}

TEST_F(FrameTest, StrideCountersAdvanceOncePerTickAndWrapToOne) {
    sim::resetMatch();
    sim::match.warmUpFrames = 101;
    for (int tick = 0; tick < 9; ++tick)
        frame::advanceSimulation();
    EXPECT_EQ(render::figureAnimation.strideTeam1, 10);
    EXPECT_EQ(render::figureAnimation.strideTeam2, 3);
    frame::advanceSimulation();
    EXPECT_EQ(render::figureAnimation.strideTeam1, 1);
}

TEST_F(FrameTest, KeeperCountersAdvanceEveryFrameEvenDuringTheWarmUp) {
    frame::advanceFrameState();
    EXPECT_EQ(render::figureAnimation.keeperTeam1, 1);
    EXPECT_EQ(render::figureAnimation.keeperTeam2, 3);
    for (int frame = 0; frame < 8; ++frame)
        frame::advanceFrameState();
    EXPECT_EQ(render::figureAnimation.keeperTeam1, 9);
    EXPECT_EQ(render::figureAnimation.keeperTeam2, 1);
    EXPECT_EQ(render::animationPhase(render::figureAnimation.keeperTeam1), 2);
}

TEST_F(FrameTest, TheRestartFrameStillRunsItsTickFirst) {
    sim::resetMatch();
    sim::match.warmUpFrames = 101;
    hold({frame::kKeyRestart});
    frame::advanceFrameState();
    // The tick ran (the stride moved), then the reset restarted the warm-up.
    EXPECT_EQ(render::figureAnimation.strideTeam1, 2);
    EXPECT_EQ(sim::match.warmUpFrames, 0);
    EXPECT_EQ(sim::match.ball.lengthwise, 50.0f);
    frame::keyTable = {};
    frame::advanceFrameState();
    EXPECT_EQ(sim::match.warmUpFrames, 1);
}

// Pause and Space toggle at their key-down only; a paused frame moves nothing
// but the camera, and draws nothing from the generator; a new match plays.
TEST_F(FrameTest, APauseKeyDownStopsEverythingButTheCameraUntilTheNext) {
    frame::initSceneState();
    for (int f = 0; f < 150; ++f)
        frame::advanceFrameState();
    hold({platform::kVkPause});
    const sim::MatchState match = sim::match;
    const render::FigureAnimation animation = render::figureAnimation;
    const std::uint32_t random = common::randomState();
    const int rainClock = render::rainField.clock;
    for (int f = 0; f < 30; ++f)  // held: auto-repeat does not resume
        frame::advanceFrameState();
    hold({platform::kVkPause, frame::kKeyTurnLeft});
    frame::advanceFrameState();
    EXPECT_TRUE(frame::matchPause.paused);
    EXPECT_EQ(std::memcmp(&sim::match, &match, sizeof match), 0);
    EXPECT_EQ(std::memcmp(&render::figureAnimation, &animation, sizeof animation), 0);
    EXPECT_EQ(common::randomState(), random);
    EXPECT_EQ(render::rainField.clock, rainClock);
    EXPECT_EQ(frame::camera.yaw, 179.0f);

    hold({});
    frame::advanceFrameState();
    EXPECT_TRUE(frame::matchPause.paused);
    hold({platform::kVkSpace});
    frame::advanceFrameState();
    EXPECT_FALSE(frame::matchPause.paused);
    EXPECT_EQ(sim::match.possession.timer, match.possession.timer + 1) << "one tick on resuming";

    // The restart key and a scene initialisation start a new match, unpaused.
    hold({});
    frame::advanceFrameState();
    hold({platform::kVkSpace, frame::kKeyRestart});
    frame::advanceFrameState();
    EXPECT_FALSE(frame::matchPause.paused);
    EXPECT_EQ(sim::match.warmUpFrames, 0);
    hold({});
    frame::advanceFrameState();
    hold({platform::kVkPause});
    frame::advanceFrameState();
    ASSERT_TRUE(frame::matchPause.paused);
    frame::initSceneState();
    EXPECT_FALSE(frame::matchPause.paused);
    frame::advanceFrameState();
    EXPECT_FALSE(frame::matchPause.paused) << "still held: no new key-down";
}

TEST_F(FrameTest, SceneInitialisationResetsThenGeneratesTheTerrain) {
    frame::initSceneState();
    // The reset made the run's first draw (41, odd: team 1 kicks off) and the
    // terrain drew after it: its first hill peaks at row 44, column 50.
    EXPECT_EQ(sim::match.possession.team, 1);
    const std::uint32_t afterScene = common::randomState();
    const render::Heightmap generated = render::heightmap;
    common::setRandomState(1);
    common::drawRandom();
    const render::TerrainSummary summary = render::generateTerrain();
    EXPECT_EQ(summary.firstRow, 44);
    EXPECT_EQ(summary.firstColumn, 50);
    EXPECT_EQ(common::randomState(), afterScene);
    EXPECT_EQ(0, std::memcmp(&generated, &render::heightmap, sizeof generated));
}

TEST_F(FrameTest, TheRainStepsAfterTheTickInEveryFrame) {
    frame::advanceFrameState();
    EXPECT_EQ(render::rainField.clock, 201);
    EXPECT_EQ(render::rainField.drops[0].y, -5.0f);
}

}  // namespace
