// goal_replay_test.cpp -- football-record --goal: the goal's frames against the
// trace, the replay's length, and a goal that does not happen.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "common/random.h"
#include "frame/frame_state.h"
#include "frame/process_state.h"
#include "sim/match_state.h"
#include "tests/support/program_run.h"
#include "tests/tools/picture_reader.h"
#include "tools/goal_search.h"
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

TEST(GoalReplay, FirstGoalFramesMatchTheTrace) {
    frame::resetProcessState();
    tools::GoalFrames goal;
    ASSERT_TRUE(tools::findGoal(1, tools::kGoalSearchFrames, goal));

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
    frame::resetProcessState();
    tools::GoalFrames second;
    ASSERT_TRUE(tools::findGoal(2, tools::kGoalSearchFrames, second));
    EXPECT_GT(second.crossing, goal.award);
    frame::resetProcessState();
    tools::GoalFrames again;
    std::string error;
    ASSERT_EQ(tools::findGoalFromStart(2, tools::kGoalSearchFrames, again, error), 0) << error;
    EXPECT_EQ(again.crossing, second.crossing);
    EXPECT_EQ(again.award, second.award);
}

// A byte-for-byte copy of a record, to compare after the search.
template <typename Record>
static std::vector<unsigned char> bytesOf(const Record& record) {
    std::vector<unsigned char> bytes(sizeof record);
    std::memcpy(bytes.data(), &record, sizeof record);
    return bytes;
}

TEST(GoalReplay, SearchFromStartLeavesEveryRecordAsItWas) {
    frame::resetProcessState();
    tools::GoalFrames fromStart;
    ASSERT_TRUE(tools::findGoal(1, tools::kGoalSearchFrames, fromStart));

    // Every record away from its start: frames run with the camera flying,
    // a frame clock and a viewport as a window would leave them.
    frame::resetProcessState();
    frame::initSceneState();
    frame::keyTable.held[frame::kKeyForward] = true;
    for (int f = 0; f < 150; ++f)
        frame::advanceFrameState();
    frame::frameClock.lastTick = 12345;
    frame::viewportSize = frame::ViewportSize{640, 480};
    const std::uint32_t generator = common::randomState();
    const auto match = bytesOf(sim::match);
    const auto camera = bytesOf(frame::camera);
    const auto keys = bytesOf(frame::keyTable);
    const auto clock = bytesOf(frame::frameClock);
    const auto viewport = bytesOf(frame::viewportSize);
    const auto animation = bytesOf(render::figureAnimation);
    const auto rain = bytesOf(render::rainField);
    const auto terrain = bytesOf(render::heightmap);

    tools::GoalFrames goal;
    std::string error;
    ASSERT_EQ(tools::findGoalFromStart(1, tools::kGoalSearchFrames, goal, error), 0) << error;
    EXPECT_EQ(goal.crossing, fromStart.crossing) << "searched from program start";
    EXPECT_EQ(goal.award, fromStart.award);
    EXPECT_EQ(common::randomState(), generator);
    EXPECT_TRUE(bytesOf(sim::match) == match);
    EXPECT_TRUE(bytesOf(frame::camera) == camera);
    EXPECT_TRUE(bytesOf(frame::keyTable) == keys);
    EXPECT_TRUE(bytesOf(frame::frameClock) == clock);
    EXPECT_TRUE(bytesOf(frame::viewportSize) == viewport);
    EXPECT_TRUE(bytesOf(render::figureAnimation) == animation);
    EXPECT_TRUE(bytesOf(render::rainField) == rain);
    EXPECT_TRUE(bytesOf(render::heightmap) == terrain);
}

TEST(GoalReplay, AGoalThatDoesNotHappenSaysSo) {
    frame::resetProcessState();
    tools::GoalFrames goal;
    EXPECT_FALSE(tools::findGoal(1, 300, goal)) << "the first goal comes later than frame 300";
    std::string error;
    EXPECT_EQ(tools::findGoalFromStart(3, 500, goal, error), 1);
    EXPECT_EQ(error, "goal 3 does not happen within the first 500 frames of the match");
}

TEST(GoalReplay, ReplayRunsFromSixtyFramesBeforeTheCrossingToTheAward) {
    frame::resetProcessState();
    tools::GoalFrames goal;
    ASSERT_TRUE(tools::findGoal(1, tools::kGoalSearchFrames, goal));

    const test_support::TempDir dir;
    const test_support::ProgramRun r = test_support::runProgram(
        kRecord,
        {"--goal", "1", "--view", "3", "--size", "64x48", "--clip", dir.path() + "/goal.webp"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    const DecodedClip clip = decodeClip(dir.path() + "/goal.webp");
    ASSERT_TRUE(clip.ok);
    EXPECT_EQ(clip.width, 64);
    const long long frames = goal.award - (goal.crossing - 60) + 1;
    EXPECT_EQ(frames, 102);
    EXPECT_EQ(static_cast<long long>(clip.endTimes.size()), frames);
    EXPECT_EQ(clip.endTimes.back(), tools::clipTimestamp(frames));
}

}  // namespace tools_test
