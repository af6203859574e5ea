// match_summary_test.cpp -- the statistics' events read off the state on either side of a tick,
// and the summary printed from them.
#include "tools/match_summary.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "common/random.h"
#include "frame/frame_state.h"
#include "frame/match_panel.h"
#include "frame/match_statistics.h"
#include "frame/process_state.h"
#include "render/rain_field.h"
#include "sim/match_state.h"
#include "sim/tick_steps.h"
#include "tests/support/program_run.h"

namespace {

class SummaryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        frame::resetProcessState();
        sim::kickOff(1);
        for (sim::OutfieldPlayer& player : sim::match.team2.outfield)
            player.lengthwise = 99.0f;
    }

    // Runs one tick's ball steps and lets the report look at it.
    void tick(std::int64_t frame) {
        const sim::MatchState before = sim::match;
        sim::matchTickBall();
        frame::observeTick(report, frame, before, sim::match);
    }

    static std::string text(const frame::MatchStatistics& report) {
        char buffer[8192] = {};
        std::FILE* out = fmemopen(buffer, sizeof buffer - 1, "w");
        tools::writeReport(report, out);
        std::fclose(out);
        return buffer;
    }

    frame::MatchStatistics report = frame::initialMatchStatistics();
};

TEST_F(SummaryTest, ShotsOnAndOffTargetAndTheGoalsScorer) {
    // Team 1's player 5 holds the ball near goal with nobody else about.
    sim::match.team1.outfield[4] = sim::OutfieldPlayer{0.0f, 90.0f, 0.0f, 0};
    sim::match.ball = sim::Ball{0.0f, 90.5f};
    sim::match.possession = sim::Possession{1, 5, 3};
    sim::match.passWait = 0;
    tick(1);                        // the holder is seen with the ball
    for (int aim : {49, 10, 85}) {  // t = -0.1 (on), -4.0 (off), 3.5 (off: the post)
        std::uint32_t seed = 1;
        for (;; ++seed) {
            common::setRandomState(seed);
            const int shoot = common::drawRandomBelow(10);
            if (shoot == 5 && common::drawRandomBelow(100) == aim)
                break;
        }
        common::setRandomState(seed);
        sim::match.shot = sim::BallFlight{};
        sim::match.ball = sim::Ball{0.0f, 90.5f};
        sim::match.possession = sim::Possession{1, 5, 3};
        tick(2);
        ASSERT_EQ(sim::match.shot.active, 1);
    }
    EXPECT_EQ(report.total.shotsOnTarget[0], 1);
    EXPECT_EQ(report.total.shotsOffTarget[0], 2);

    // The ball lies in the goal until the 42nd tick awards it.
    sim::match.shot = sim::BallFlight{};
    sim::match.possession.team = 0;
    sim::match.ball = sim::Ball{0.0f, 101.0f};
    sim::match.team1.outfield[4].lengthwise = 60.0f;
    sim::match.team2.keeperLateral = 3.5f;
    for (int i = 0; i < 42; ++i)
        tick(100 + i);
    ASSERT_EQ(report.goals.size(), 1u);
    EXPECT_EQ(report.goals[0].frame, 141);
    EXPECT_EQ(report.goals[0].team, 1);
    EXPECT_EQ(report.goals[0].scorerTeam, 1);
    EXPECT_EQ(report.goals[0].scorerHolder, 5);
    report.frames = 141;
    frame::observeFrameEnd(report);
    const std::string out = text(report);
    EXPECT_NE(out.find("Final score: DYNAMO 1 : 0 SHAKHTAR"), std::string::npos) << out;
    EXPECT_NE(out.find("frame 141 at 0:04: DYNAMO (team 1 player 5), 1 : 0"), std::string::npos)
        << out;
}

TEST_F(SummaryTest, APassIsCompletedWhenATeammateTakesIt) {
    sim::OutfieldPlayer* team1 = sim::match.team1.outfield;
    team1[0] = sim::OutfieldPlayer{0.0f, 30.0f, 0.0f, 0};
    team1[1] = sim::OutfieldPlayer{-10.0f, 20.0f, 0.0f, 0};
    team1[2] = sim::OutfieldPlayer{-30.0f, 10.0f, 0.0f, 0};
    team1[3] = sim::OutfieldPlayer{20.0f, 10.0f, 0.0f, 0};
    team1[4] = sim::OutfieldPlayer{-20.0f, 45.0f, 0.0f, 0};
    sim::match.ball = sim::Ball{0.0f, 30.5f};
    sim::match.possession = sim::Possession{1, 1, 11};
    sim::match.passWait = 11;
    tick(1);
    EXPECT_EQ(report.total.passesStarted[0], 1);
    for (int i = 0; i < 14; ++i)
        tick(2 + i);
    // The receiver, waiting at the target, takes the ball once the timer allows.
    team1[4].lengthwise = sim::match.ball.lengthwise;
    team1[4].lateral = sim::match.ball.lateral;
    for (int i = 0; i < 3 && sim::match.possession.team == 0; ++i)
        tick(20 + i);
    EXPECT_EQ(sim::match.possession.holder, 5);
    EXPECT_EQ(report.total.passesCompleted[0], 1);
    EXPECT_EQ(report.total.possessionTicks[1] + report.total.possessionTicks[0],
              report.total.ticks);
}

TEST_F(SummaryTest, GoalKicksAndWeatherSwitches) {
    sim::match.possession.team = 0;
    sim::match.ball = sim::Ball{10.0f, -1.0f};
    sim::match.goalKickTimer = 41;
    tick(7);
    EXPECT_EQ(report.total.goalKicks[0], 1);
    render::rainField.clock = 0;
    render::rainField.raining = 1;
    report.frames = 1819;
    frame::observeFrameEnd(report);
    ASSERT_EQ(report.weather.size(), 1u);
    EXPECT_EQ(report.weather[0].frame, 1819);
    EXPECT_TRUE(report.weather[0].rainStarts);
    // 33 ms a frame: frame 1819 ends at 60.027 s, frame 1818 at 59.994 s.
    EXPECT_NE(text(report).find("frame 1819 at 1:00: rain starts"), std::string::npos)
        << text(report);
    EXPECT_EQ(frame::matchTime(1818), "0:59");
    EXPECT_EQ(frame::matchTime(999999999999999999), "549999999999999:59");
}

// A team's counts as `--summary` prints them, and as the panel shows them.
struct TeamCounts {
    long long shots = -1, onTarget = -1, passes = -1, completed = -1, possession = -1;
};

static void summaryCounts(const std::string& summary, TeamCounts (&teams)[2]) {
    for (int i = 0; i < 2; ++i) {
        const char* name = i == 0 ? "\nDYNAMO: shots" : "\nSHAKHTAR: shots";
        const std::size_t at = summary.find(name);
        ASSERT_NE(at, std::string::npos) << summary;
        std::sscanf(summary.c_str() + at + std::strlen(name),
                    " %lld (on target %lld, off target %*d), passes started %lld, completed %lld",
                    &teams[i].shots, &teams[i].onTarget, &teams[i].passes, &teams[i].completed);
    }
    long long ticks[2] = {};
    std::sscanf(summary.c_str() + summary.find("Possession in ticks:"),
                "Possession in ticks: DYNAMO %lld (%*f%%), SHAKHTAR %lld", &ticks[0], &ticks[1]);
    teams[0].possession = std::lround(100.0 * ticks[0] / (ticks[0] + ticks[1]));
    teams[1].possession = 100 - teams[0].possession;
}

static void panelCounts(const std::vector<std::string>& lines, TeamCounts (&teams)[2]) {
    for (const std::string& line : lines) {
        long long* field[2] = {};
        for (int i = 0; i < 2; ++i) {
            TeamCounts& t = teams[i];
            const std::string name = line.substr(0, 12);
            field[i] = name == "Shots       "   ? &t.shots
                       : name == "  on target " ? &t.onTarget
                       : name == "Passes      " ? &t.passes
                       : name == "  completed " ? &t.completed
                       : name == "Possession  " ? &t.possession
                                                : nullptr;
        }
        if (field[0] != nullptr)
            std::sscanf(line.c_str() + 12, "%lld%*[% ]%lld", field[0], field[1]);
    }
}

// The panel after 9000 frames, with the restart key held in frame `restart`
// (0: never), against `football-trace --summary` over the same frames: the
// panel counts the current match only, and its clock starts at the restart.
TEST(MatchPanel, ShowsTheCurrentMatchAsTheSummaryCountsIt) {
    for (const int restart : {0, 3000}) {
        SCOPED_TRACE("restart at " + std::to_string(restart));
        frame::resetProcessState();
        frame::initSceneState();
        for (int f = 1; f <= 9000; ++f) {
            frame::keyTable.held['1'] = f == restart;
            frame::keyTable.held[0x09] = f == 20;
            frame::advanceFrameState();
        }
        EXPECT_TRUE(frame::matchPanel.shown);
        const std::vector<std::string> lines = frame::matchPanelLines(
            frame::matchStatistics, sim::match, render::rainField, false, frame::kPanelGoals);
        EXPECT_EQ(lines[0], "MATCH TIME   " + frame::matchTime(9000 - restart));

        auto summary = [](const std::vector<std::string>& args) {
            return test_support::runProgram(FOOTBALL_TRACE_PATH, args).out;
        };
        const std::string text = summary(
            {"9000", "--summary", "--hold", "1@" + std::to_string(restart > 0 ? restart : 9001)});
        TeamCounts expected[2], before[2], shown[2];
        summaryCounts(text, expected);
        if (restart > 0) {
            // The restart's frame still ran its tick before the reset.
            summaryCounts(summary({std::to_string(restart), "--summary"}), before);
            for (int i = 0; i < 2; ++i) {
                expected[i].shots -= before[i].shots;
                expected[i].onTarget -= before[i].onTarget;
                expected[i].passes -= before[i].passes;
                expected[i].completed -= before[i].completed;
                expected[i].possession = -1;  // the summary's shares are of the whole run
            }
        }
        panelCounts(lines, shown);
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(shown[i].shots, expected[i].shots) << i;
            EXPECT_EQ(shown[i].onTarget, expected[i].onTarget) << i;
            EXPECT_EQ(shown[i].passes, expected[i].passes) << i;
            EXPECT_EQ(shown[i].completed, expected[i].completed) << i;
            if (expected[i].possession >= 0) {
                EXPECT_EQ(shown[i].possession, expected[i].possession) << i;
            }
        }
        // The score, and the latest goal: its side, the score after it and,
        // without a restart, its time as the summary prints it.
        int goals1 = 0, goals2 = 0;
        std::sscanf(text.c_str() + text.find("Final score:"), "Final score: DYNAMO %d : %d",
                    &goals1, &goals2);
        const std::string score = std::to_string(goals1) + " : " + std::to_string(goals2);
        EXPECT_EQ(lines[1], "DYNAMO " + score + " SHAKHTAR");
        const std::string goals = text.substr(0, text.find("\nDYNAMO: shots"));
        const std::string last = goals.substr(goals.rfind("\n  frame "));
        const std::string time =
            last.substr(last.find(" at ") + 4, last.find(": ") - last.find(" at ") - 4);
        const std::string side =
            last.substr(last.find(": ") + 2, last.find(" (") - last.find(": ") - 2);
        EXPECT_NE(lines[2].find(side), std::string::npos) << lines[2] << " / " << last;
        EXPECT_NE(lines[2].find(std::to_string(goals1) + ":" + std::to_string(goals2)),
                  std::string::npos)
            << lines[2];
        if (restart == 0) {
            EXPECT_EQ(lines[2].substr(0, 6), std::string(6 - time.size(), ' ') + time) << last;
        }
    }
}

}  // namespace
