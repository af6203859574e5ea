// long_run_test.cpp -- long headless runs, with no keys, with every key code held alone
// and with random key combinations and window re-creations, under the invariant checker;
// and the checker itself catching broken states.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <random>
#include <vector>

#include "frame/camera.h"
#include "frame/frame_step.h"
#include "frame/key_table.h"
#include "frame/replay_tape.h"
#include "frame/world.h"
#include "render/rain_field.h"
#include "sim/match_state.h"
#include "tests/long_runs/match_invariants.h"

namespace long_runs_test {

#ifdef FOOTBALL_SANITIZED_BUILD
constexpr std::int64_t kLongRunFrames = 30000;
constexpr std::int64_t kRandomKeyFrames = 20000;
constexpr int kFramesPerKey = 20;
#else
constexpr std::int64_t kLongRunFrames = 200000;
constexpr std::int64_t kRandomKeyFrames = 100000;
constexpr int kFramesPerKey = 60;
#endif

// Program start: a world at its start values, then the scene's state.
static std::unique_ptr<frame::World> startUp(InvariantChecker& checker) {
    auto world = std::make_unique<frame::World>(frame::initialWorld());
    frame::initSceneState(*world);
    startChecking(checker, *world);
    return world;
}

// One frame with `keys` held, then `toggles` window re-creations. The frames
// keep their replays as the program's do; a new world starts the keeping afresh.
static void runCheckedFrame(frame::World& world, InvariantChecker& checker,
                            const frame::KeyTable& keys, int toggles = 0) {
    static frame::ReplayTape tape;
    world.keys = keys;
    frame::stepFrame(world, tape);
    const bool paused = world.pause.paused || world.replay.held;
    for (int i = 0; i < toggles; ++i)
        frame::initSceneState(world);
    checkFrame(checker, world, keys.held[frame::kKeyRestart] || toggles > 0, paused);
}

TEST(LongRun, NoKeysKeepsEveryRecordInItsRange) {
    InvariantChecker checker;
    const auto world = startUp(checker);
    const frame::KeyTable none = {};
    for (std::int64_t f = 0; f < kLongRunFrames && checker.faultCount == 0; ++f)
        runCheckedFrame(*world, checker, none);
    EXPECT_EQ(checker.faultCount, 0) << describeFaults(checker);
    // The run is long enough to have seen goals and both weathers.
    EXPECT_GT(checker.goalsAwarded, 0);
    EXPECT_FALSE(checker.rainStarts.empty());
    EXPECT_FALSE(checker.rainStops.empty());
}

TEST(LongRun, EveryKeyCodeHeldAloneKeepsTheCameraInItsClamps) {
    InvariantChecker checker;
    checker.checkBall = false;  // the restart key and toggles move the ball
    const auto world = startUp(checker);
    for (int key = 0; key < 256; ++key) {
        frame::KeyTable keys = {};
        keys.held[key] = true;
        for (int f = 0; f < kFramesPerKey; ++f)
            runCheckedFrame(*world, checker, keys);
        // A few frames with nothing held and a re-creation between keys.
        const frame::KeyTable none = {};
        runCheckedFrame(*world, checker, none, key % 16 == 15 ? 1 : 0);
        runCheckedFrame(*world, checker, none);
        ASSERT_EQ(checker.faultCount, 0) << "key " << key << ": " << describeFaults(checker);
    }
}

// Random sets of keys, mostly the camera's and the restart key but any code
// at all, held for random spans, with now and then a window re-creation.
TEST(LongRun, RandomKeyCombinationsKeepEveryRecordInItsRange) {
    InvariantChecker checker;
    checker.checkBall = false;
    const auto world = startUp(checker);
    std::mt19937 random(20261207);
    const int cameraKeys[] = {0x4F, 0x4C, 0x4A, 0x4B, 0x49, 0x50, 0x55, 0x44, 0x48, 0x4E,
                              0x5A, 0x58, 0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x52};
    std::int64_t frames = 0;
    while (frames < kRandomKeyFrames && checker.faultCount == 0) {
        frame::KeyTable keys = {};
        const int count = static_cast<int>(random() % 6);
        for (int i = 0; i < count; ++i) {
            const int key = random() % 4 == 0 ? static_cast<int>(random() % 256)
                                              : cameraKeys[random() % std::size(cameraKeys)];
            keys.held[key] = true;
        }
        // Long spans let the clamps be reached; the restart key held long
        // keeps the match at kick-off, so it gets shorter ones.
        std::int64_t span = 1 + random() % (keys.held[frame::kKeyRestart] ? 20 : 400);
        for (; span > 0 && frames < kRandomKeyFrames; --span, ++frames)
            runCheckedFrame(*world, checker, keys, random() % 5000 == 0 ? 1 : 0);
    }
    EXPECT_EQ(checker.faultCount, 0) << describeFaults(checker);
}

// The checker finds each kind of broken state it is meant to find.
TEST(InvariantChecker, ReportsBrokenStates) {
    struct Breakage {
        const char* what;
        void (*breakState)(frame::World& world);
    };
    const Breakage breakages[] = {
        {"NaN position",
         [](frame::World& w) {
             w.match.team1.outfield[2].lateral = std::numeric_limits<float>::quiet_NaN();
         }},
        {"infinite heading",
         [](frame::World& w) {
             w.match.team2.outfield[0].heading = std::numeric_limits<float>::infinity();
         }},
        {"player outside its zone",
         [](frame::World& w) { w.match.team1.outfield[3].lateral = 0.0f; }},
        {"keeper off the goal", [](frame::World& w) { w.match.team2.keeperLateral = 3.6f; }},
        {"ball off the pitch", [](frame::World& w) { w.match.ball.lengthwise = 101.6f; }},
        {"goals shrinking", [](frame::World& w) { w.match.goalsTeam2 = -1; }},
        {"goal without celebration", [](frame::World& w) { w.match.goalsTeam1 += 1; }},
        {"celebration too long", [](frame::World& w) { w.match.goalCelebration = 42; }},
        {"goal kick timer too long", [](frame::World& w) { w.match.goalKickTimer = 42; }},
        {"pass wait too long", [](frame::World& w) { w.match.passWait = 27; }},
        {"possession timer jumping", [](frame::World& w) { w.match.possession.timer += 5; }},
        {"stride counter at 0", [](frame::World& w) { w.animation.strideTeam2 = 0; }},
        {"yaw at 360", [](frame::World& w) { w.camera.yaw = 360.0f; }},
        {"field of view too narrow", [](frame::World& w) { w.camera.fieldOfView = 24.5f; }},
        {"rain clock jumping", [](frame::World& w) { w.rain.clock += 7; }},
        {"falling count too high", [](frame::World& w) { w.rain.falling = 10001; }},
        {"NaN drop",
         [](frame::World& w) {
             for (render::RainDrop& d : w.rain.drops)
                 d.x = std::numeric_limits<float>::quiet_NaN();
         }},
    };
    const frame::KeyTable none = {};
    for (const Breakage& b : breakages) {
        InvariantChecker checker;
        const auto world = startUp(checker);
        for (int f = 0; f < 400; ++f)
            runCheckedFrame(*world, checker, none);
        ASSERT_EQ(checker.faultCount, 0) << describeFaults(checker);
        b.breakState(*world);
        checkFrame(checker, *world, false, false);
        EXPECT_GT(checker.faultCount, 0) << b.what;
    }
}

}  // namespace long_runs_test
