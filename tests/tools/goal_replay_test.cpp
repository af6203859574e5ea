// goal_replay_test.cpp -- football-record --goal: the goal's frames against the
// trace, the replay it records, and a goal that does not happen.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "frame/camera.h"
#include "frame/frame_step.h"
#include "frame/replay.h"
#include "frame/world.h"
#include "tests/support/program_run.h"
#include "tests/tools/picture_reader.h"
#include "tools/goal_search.h"
#include "tools/record_options.h"
#include "tools/webp_clip.h"

namespace tools_test {

static const std::string kRecord = FOOTBALL_RECORD_PATH;
static const std::string kTrace = FOOTBALL_TRACE_PATH;

// The frame of the first trace line for which `holds` is true; -1 when none.
static long long firstFrameWhere(const std::string& trace,
                                 const std::function<bool(const std::string&)>& holds) {
    for (std::size_t start = 0, end; start < trace.size(); start = end + 1) {
        end = trace.find('\n', start);
        const std::string line = trace.substr(start, end - start);
        if (holds(line))
            return std::stoll(line.substr(std::string("{\"frame\":").size()));
    }
    return -1;
}

static std::function<bool(const std::string&)> contains(const std::string& part) {
    return [part](const std::string& line) { return line.find(part) != std::string::npos; };
}

class GoalReplay : public ::testing::Test {
  protected:
    // On the heap: a world is several hundred kilobytes.
    std::unique_ptr<frame::World> world = std::make_unique<frame::World>(frame::initialWorld());
};

TEST_F(GoalReplay, FirstGoalFramesMatchTheTrace) {
    tools::GoalFrames goal;
    ASSERT_TRUE(tools::findGoal(*world, 1, tools::kGoalSearchFrames, goal));

    const test_support::ProgramRun trace =
        test_support::runProgram(kTrace, {std::to_string(goal.award)});
    ASSERT_EQ(trace.status, 0);
    // The celebration's first frame, and the frame the score first changes.
    EXPECT_EQ(goal.crossing, firstFrameWhere(trace.out, contains("\"goalCelebration\":1,")));
    const auto scored = [](const std::string& line) {
        return line.find("\"goals\":[0,0]") == std::string::npos;
    };
    EXPECT_EQ(goal.award, firstFrameWhere(trace.out, scored));
    EXPECT_EQ(goal.award - goal.crossing, 41) << "41 frames of celebration, then the award";

    // The second goal comes later, and the search from start-up agrees.
    *world = frame::initialWorld();
    tools::GoalFrames second;
    ASSERT_TRUE(tools::findGoal(*world, 2, tools::kGoalSearchFrames, second));
    EXPECT_GT(second.crossing, goal.award);
    tools::GoalFrames again;
    std::string error;
    ASSERT_EQ(
        tools::findGoalFromStart(frame::initialWorld(), 2, tools::kGoalSearchFrames, again, error),
        0)
        << error;
    EXPECT_EQ(again.crossing, second.crossing);
    EXPECT_EQ(again.award, second.award);
}

TEST_F(GoalReplay, SearchFromStartLeavesTheWorldAsItWas) {
    tools::GoalFrames fromStart;
    ASSERT_TRUE(tools::findGoal(*world, 1, tools::kGoalSearchFrames, fromStart));

    // Every record away from its start: frames run with the camera flying,
    // a frame clock and a viewport as a window would leave them.
    *world = frame::initialWorld();
    frame::initSceneState(*world);
    world->keys.held[frame::kKeyForward] = true;
    for (int f = 0; f < 150; ++f)
        frame::stepWorld(*world);
    world->clock.lastTick = 12345;
    world->viewport = frame::ViewportSize{640, 480};
    const auto saved = std::make_unique<frame::World>(*world);

    tools::GoalFrames goal;
    std::string error;
    ASSERT_EQ(tools::findGoalFromStart(*world, 1, tools::kGoalSearchFrames, goal, error), 0)
        << error;
    EXPECT_EQ(goal.crossing, fromStart.crossing) << "searched from program start";
    EXPECT_EQ(goal.award, fromStart.award);
    EXPECT_EQ(std::memcmp(world.get(), saved.get(), sizeof *saved), 0);
}

TEST_F(GoalReplay, AGoalThatDoesNotHappenSaysSo) {
    tools::GoalFrames goal;
    EXPECT_FALSE(tools::findGoal(*world, 1, 300, goal))
        << "the first goal comes later than frame 300";
    std::string error;
    EXPECT_EQ(tools::findGoalFromStart(*world, 3, 500, goal, error), 1);
    EXPECT_EQ(error, "goal 3 does not happen within the first 500 frames of the match");
}

// --goal records the goal's replay as --replays shows it, the goals before it
// replayed too: its pictures from the award's frame on. A replay's picture is
// not the live one's; the frames before it are the same either way.
TEST_F(GoalReplay, TheClipIsTheGoalsReplayNotTheLiveFrames) {
    tools::GoalFrames plain;
    ASSERT_TRUE(tools::findGoal(*world, 2, tools::kGoalSearchFrames, plain));
    *world = frame::initialWorld();
    world->replay.enabled = true;
    tools::GoalFrames goal;
    ASSERT_TRUE(tools::findGoal(*world, 2, tools::kGoalSearchFrames, goal));
    EXPECT_EQ(goal.award, plain.award + frame::kReplayPictures - 1) << "the first one's replay";

    const test_support::TempDir dir;
    const test_support::ProgramRun r = test_support::runProgram(
        kRecord, {"--goal", "2", "--size", "64x48", "--clip", dir.path() + "/goal.webp"});
    ASSERT_EQ(r.status, 0) << r.err;
    const DecodedClip clip = decodeClip(dir.path() + "/goal.webp");
    ASSERT_TRUE(clip.ok);
    // The half-speed pictures come twice each, which the clip may keep as one.
    EXPECT_EQ(clip.endTimes.back(), tools::clipTimestamp(frame::kReplayPictures));

    // The award's frame and the one before, in the run without replays and in
    // the run with them, where the first goal's replay came before.
    std::vector<unsigned char> pictures[2][2];  // live, replays; the frame before, the award's
    for (const bool replays : {false, true}) {
        const std::int64_t at = replays ? goal.award : plain.award;
        const std::string out = dir.path() + (replays ? "/replays" : "/live");
        std::vector<std::string> args = {std::to_string(at),
                                         "--size",
                                         "64x48",
                                         "--at",
                                         std::to_string(at - 1) + "," + std::to_string(at),
                                         "--out",
                                         out};
        if (replays)
            args.push_back("--replays");
        ASSERT_EQ(test_support::runProgram(kRecord, args).status, 0);
        for (int i = 0; i < 2; ++i) {
            int width = 0, height = 0;
            ASSERT_TRUE(
                readPng(tools::framePath(out, at - 1 + i), width, height, pictures[replays][i]));
        }
    }
    EXPECT_EQ(pictures[0][0], pictures[1][0]) << "the last frame before the replay";
    EXPECT_NE(pictures[0][1], pictures[1][1]) << "the replay's first picture";
    EXPECT_LT(meanDifference(clip.rgba[0], pictures[1][1]),
              meanDifference(clip.rgba[0], pictures[0][1]));
}

}  // namespace tools_test
