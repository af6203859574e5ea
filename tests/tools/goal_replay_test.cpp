// goal_replay_test.cpp -- football-record --goal: the goal's frames against the
// trace, the replay's length, and a goal that does not happen.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "common/random.h"
#include "sim/match_state.h"
#include "tests/render/offscreen_scene_fixture.h"
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
    render_test::resetProcessState();
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
    render_test::resetProcessState();
    tools::GoalFrames second;
    ASSERT_TRUE(tools::findGoal(2, tools::kGoalSearchFrames, second));
    EXPECT_GT(second.crossing, goal.award);
    render_test::resetProcessState();
    tools::GoalFrames again;
    std::string error;
    ASSERT_EQ(tools::findGoalFromStart(2, tools::kGoalSearchFrames, again, error), 0) << error;
    EXPECT_EQ(again.crossing, second.crossing);
    EXPECT_EQ(again.award, second.award);
}

TEST(GoalReplay, SearchInAChildLeavesThisProcessAtStart) {
    render_test::resetProcessState();
    const sim::MatchState before = sim::match;
    tools::GoalFrames goal;
    std::string error;
    ASSERT_EQ(tools::findGoalFromStart(1, tools::kGoalSearchFrames, goal, error), 0) << error;
    EXPECT_EQ(common::randomState(), 1u);
    EXPECT_EQ(sim::match.goalsTeam1, before.goalsTeam1);
    EXPECT_EQ(sim::match.warmUpFrames, before.warmUpFrames);
}

TEST(GoalReplay, AGoalThatDoesNotHappenSaysSo) {
    render_test::resetProcessState();
    tools::GoalFrames goal;
    EXPECT_FALSE(tools::findGoal(1, 300, goal)) << "the first goal comes later than frame 300";
    std::string error;
    EXPECT_EQ(tools::findGoalFromStart(3, 500, goal, error), 1);
    EXPECT_EQ(error, "goal 3 does not happen within the first 500 frames of the match");
}

TEST(GoalReplay, ReplayRunsFromSixtyFramesBeforeTheCrossingToTheAward) {
    render_test::resetProcessState();
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
