// frame_state_test.cpp -- the order of a frame's state changes: the simulation gate,
// the stride and keeper counters, the camera keys, the rain and the goal replays.
#include <cstring>
#include <map>
#include <memory>
#include <utility>

#include "frame/frame_step.h"
#include "frame/match_pause.h"
#include "frame/replay_tape.h"
#include "platform/key_codes.h"
#include "render/heightmap.h"
#include "tests/frame/frame_state_fixture.h"

namespace {

using frame_test::FrameTest;

TEST_F(FrameTest, AfterAResetOneHundredAndOneFramesRunNoTick) {
    frame::initSceneState(*world);
    const sim::MatchState kickOff = match;
    for (int frame = 1; frame <= 101; ++frame) {
        step();
        ASSERT_EQ(match.warmUpFrames, frame);
        ASSERT_EQ(match.possession.timer, 0) << frame;
        ASSERT_EQ(match.team1.outfield[3].lateral, kickOff.team1.outfield[3].lateral);
    }
    EXPECT_EQ(world->animation.strideTeam1, 1);
    EXPECT_EQ(world->animation.strideTeam2, 4);

    step();  // frame 102: the first tick
    EXPECT_EQ(match.warmUpFrames, 101);
    EXPECT_EQ(match.possession.timer, 1);
    EXPECT_EQ(match.team1.outfield[3].lateral, 5.0f);
    EXPECT_EQ(world->animation.strideTeam1, 2);
    EXPECT_EQ(world->animation.strideTeam2, 5);
}

TEST_F(FrameTest, StrideCountersAdvanceOncePerTickAndWrapToOne) {
    sim::resetMatch(match, world->random);
    match.warmUpFrames = 101;
    step(9);
    EXPECT_EQ(world->animation.strideTeam1, 10);
    EXPECT_EQ(world->animation.strideTeam2, 3);
    step();
    EXPECT_EQ(world->animation.strideTeam1, 1);
}

TEST_F(FrameTest, KeeperCountersAdvanceEveryFrameEvenDuringTheWarmUp) {
    step();
    EXPECT_EQ(world->animation.keeperTeam1, 1);
    EXPECT_EQ(world->animation.keeperTeam2, 3);
    step(8);
    EXPECT_EQ(world->animation.keeperTeam1, 9);
    EXPECT_EQ(world->animation.keeperTeam2, 1);
    EXPECT_EQ(render::animationPhase(world->animation.keeperTeam1), 2);
}

TEST_F(FrameTest, TheRestartFrameStillRunsItsTickFirst) {
    sim::resetMatch(match, world->random);
    match.warmUpFrames = 101;
    hold({frame::kKeyRestart});
    step();
    // The tick ran (the stride moved), then the reset restarted the warm-up.
    EXPECT_EQ(world->animation.strideTeam1, 2);
    EXPECT_EQ(match.warmUpFrames, 0);
    EXPECT_EQ(match.ball.lengthwise, 50.0f);
    hold({});
    step();
    EXPECT_EQ(match.warmUpFrames, 1);
}

// Pause and Space toggle at their key-down only; a paused frame moves nothing
// but the camera, and draws nothing from the generator; a new match plays.
TEST_F(FrameTest, APauseKeyDownStopsEverythingButTheCameraUntilTheNext) {
    frame::initSceneState(*world);
    step(150);
    hold({platform::kVkPause});
    const sim::MatchState before = match;
    const render::FigureAnimation animation = world->animation;
    const std::uint32_t random = world->random.state;
    const int rainClock = world->rain.clock;
    step(30);  // held: auto-repeat does not resume
    hold({platform::kVkPause, frame::kKeyTurnLeft});
    step();
    EXPECT_TRUE(world->pause.paused);
    EXPECT_EQ(std::memcmp(&match, &before, sizeof before), 0);
    EXPECT_EQ(std::memcmp(&world->animation, &animation, sizeof animation), 0);
    EXPECT_EQ(world->random.state, random);
    EXPECT_EQ(world->rain.clock, rainClock);
    EXPECT_EQ(camera.yaw, 179.0f);

    hold({});
    step();
    EXPECT_TRUE(world->pause.paused);
    hold({platform::kVkSpace});
    step();
    EXPECT_FALSE(world->pause.paused);
    EXPECT_EQ(match.possession.timer, before.possession.timer + 1) << "one tick on resuming";

    // The restart key and a scene initialisation start a new match, unpaused.
    hold({});
    step();
    hold({platform::kVkSpace, frame::kKeyRestart});
    step();
    EXPECT_FALSE(world->pause.paused);
    EXPECT_EQ(match.warmUpFrames, 0);
    hold({});
    step();
    hold({platform::kVkPause});
    step();
    ASSERT_TRUE(world->pause.paused);
    frame::initSceneState(*world);
    EXPECT_FALSE(world->pause.paused);
    step();
    EXPECT_FALSE(world->pause.paused) << "still held: no new key-down";
}

TEST_F(FrameTest, SceneInitialisationResetsThenGeneratesTheTerrain) {
    frame::initSceneState(*world);
    // The reset made the run's first draw (41, odd: team 1 kicks off) and the
    // terrain drew after it: its first hill peaks at row 44, column 50.
    EXPECT_EQ(match.possession.team, 1);
    auto generated = std::make_unique<render::Heightmap>();
    common::Random random = common::kInitialRandom;
    common::drawRandom(random);
    const render::TerrainSummary summary = render::generateTerrain(*generated, random);
    EXPECT_EQ(summary.firstRow, 44);
    EXPECT_EQ(summary.firstColumn, 50);
    EXPECT_EQ(world->random.state, random.state);
    EXPECT_EQ(0, std::memcmp(generated.get(), &world->heightmap, sizeof *generated));
}

TEST_F(FrameTest, TheRainStepsAfterTheTickInEveryFrame) {
    step();
    EXPECT_EQ(world->rain.clock, 201);
    EXPECT_EQ(world->rain.drops[0].y, -5.0f);
    // The frame's picture shows the drops as the step found them.
    EXPECT_EQ(render::dropsAsDrawn(world->rain)[0].y, 0.0f);
}

// With replays on, the award's frame runs its tick and the frames after it
// hold the match, changing nothing of it, until the replay's last picture or
// a key going down: R (which turns replays off), a camera key, a preset, the
// restart key. A key held since before the replay leaves it alone.
TEST_F(FrameTest, AReplayHoldsTheMatchUntilItsLastPictureOrAKeyGoesDown) {
    const std::pair<int, bool> rows[] = {{0, true},
                                         {frame::kKeyReplays, false},
                                         {frame::kKeyForward, true},
                                         {'3', true},
                                         {frame::kKeyRestart, true}};
    for (const auto& [key, onAfter] : rows) {
        *world = frame::initialWorld();
        world->replay.enabled = true;
        frame::initSceneState(*world);
        hold({frame::kKeyTiltUp});
        while (!world->replay.active)
            step();
        EXPECT_FALSE(world->replay.held) << "the award's frame ran its tick";
        const sim::MatchState awarded = match;
        const std::int64_t ticks = world->statistics.total.ticks;
        step(10);
        EXPECT_TRUE(world->replay.held);
        EXPECT_EQ(world->replay.progress, 10);
        EXPECT_EQ(std::memcmp(&match, &awarded, sizeof awarded), 0);
        EXPECT_EQ(world->statistics.total.ticks, ticks);
        if (key == 0) {
            step(frame::kReplayPictures - 11);
            EXPECT_TRUE(world->replay.held) << "the last picture";
        } else {
            hold({frame::kKeyTiltUp, key});
        }
        step();
        EXPECT_FALSE(world->replay.active || world->replay.held) << "key " << key;
        EXPECT_EQ(world->statistics.total.ticks, ticks + 1) << "key " << key;
        EXPECT_EQ(world->replay.enabled, onAfter) << "key " << key;
    }
}

// A replay's pictures are the frames that ran its ticks, stepped again from
// a kept world with their keys: every one the same as it was, to the byte,
// though a pause and the camera's keys came in between, and though the host
// paused the match itself in the middle of the replay (as the page holds a
// moment). It is heard as it is seen: its kicks and the ball going in again,
// and the kick-off whistle when play starts after it, not when it starts.
TEST_F(FrameTest, AReplayShowsTheFramesOfItsTicksAsTheyWere) {
    world->replay.enabled = true;
    frame::initSceneState(*world);
    frame::ReplayTape tape;
    struct Kept {
        sim::MatchState match;
        std::uint32_t random;
        frame::Camera camera;
    };
    std::map<std::int64_t, Kept> byTick;
    std::map<std::int64_t, bool> kickedInTick;
    audio::FrameCues cues;
    for (int n = 1; !world->replay.active; ++n) {
        hold({});
        if (n >= 250 && n < 290)
            world->keys.held[frame::kKeyForward] = true;
        if (n == 300 || n == 340)
            world->keys.held[platform::kVkSpace] = true;
        cues = frame::stepFrame(*world, tape);
        byTick.emplace(world->statistics.total.ticks, Kept{match, world->random.state, camera});
        kickedInTick[world->statistics.total.ticks] = cues.pass || cues.shot;
    }
    EXPECT_FALSE(cues.kickOffWhistle) << "no whistle as the replay starts";
    int replayKicks = 0, replayGoals = 0;
    hold({});
    for (int picture = 0; picture < frame::kReplayPictures; ++picture) {
        if (picture == 100) {
            world->pause.paused = true;
            frame::stepFrame(*world, tape);
            hold({platform::kVkSpace});
        }
        if (picture > 0) {
            cues = frame::stepFrame(*world, tape);
            EXPECT_FALSE(cues.kickOffWhistle) << "picture " << picture;
            replayKicks += cues.pass || cues.shot ? 1 : 0;
            replayGoals += cues.goal ? 1 : 0;
        }
        hold({});
        ASSERT_EQ(world->replay.progress, picture);
        const frame::World* replayed = frame::replayedWorld(tape, *world);
        ASSERT_NE(replayed, nullptr) << "picture " << picture;
        const std::int64_t tick = frame::replayedTick(world->replay);
        ASSERT_EQ(replayed->statistics.total.ticks, tick) << "picture " << picture;
        const Kept& kept = byTick.at(tick);
        EXPECT_EQ(std::memcmp(&replayed->match, &kept.match, sizeof kept.match), 0) << tick;
        EXPECT_EQ(replayed->random.state, kept.random) << "tick " << tick;
        EXPECT_EQ(std::memcmp(&replayed->camera, &kept.camera, sizeof kept.camera), 0) << tick;
    }
    EXPECT_EQ(frame::replayedTick(world->replay), world->replay.crossingTick);
    EXPECT_GT(byTick.at(world->replay.crossingTick).match.goalCelebration, 0);
    int liveKicks = 0;
    for (std::int64_t tick = world->replay.crossingTick - frame::kReplayTicks + 2;
         tick <= world->replay.crossingTick; ++tick)
        liveKicks += kickedInTick.at(tick) ? 1 : 0;
    EXPECT_GT(liveKicks, 0);
    EXPECT_EQ(replayKicks, liveKicks) << "the replay's kicks are heard again";
    EXPECT_EQ(replayGoals, 1) << "the ball goes in again once";
    cues = frame::stepFrame(*world, tape);
    EXPECT_EQ(frame::replayedWorld(tape, *world), nullptr) << "the replay is over";
    EXPECT_TRUE(cues.kickOffWhistle) << "play starts again after the replay";
}

}  // namespace
