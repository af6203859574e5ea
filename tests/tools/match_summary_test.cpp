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

// Every whole number in a text, in order.
static std::vector<long long> numbersIn(const std::string& text) {
    std::vector<long long> numbers;
    for (std::size_t at = text.find_first_of("0123456789"); at != std::string::npos;
         at = text.find_first_of("0123456789", at)) {
        std::size_t length = 0;
        numbers.push_back(std::stoll(text.substr(at), &length));
        at += length;
    }
    return numbers;
}

// The numbers of the line that starts with `label`.
static std::vector<long long> numbersAfter(const std::string& text, const std::string& label) {
    const std::size_t at = text.find(label);
    return at == std::string::npos ? std::vector<long long>{}
                                   : numbersIn(text.substr(at, text.find('\n', at + 1) - at));
}

// The panel after 9000 frames against the summary printed from the same run,
// without and with the restart key held in frame 3000: the panel counts the
// current match only (the summary's totals less those at the restart), and
// its clock starts at the restart.
TEST_F(SummaryTest, ThePanelShowsTheCurrentMatchAsTheSummaryCountsIt) {
    for (const int restart : {0, 3000}) {
        SCOPED_TRACE("restart at " + std::to_string(restart));
        frame::resetProcessState();
        frame::initSceneState();
        std::string before = "\nDYNAMO: 0 0 0 0 0\nSHAKHTAR: 0 0 0 0 0\n";
        for (int f = 1; f <= 9000; ++f) {
            frame::keyTable.held['1'] = f == restart;
            frame::keyTable.held[0x09] = f == 20;
            frame::advanceFrameState();
            if (f == restart)
                before = text(frame::matchStatistics);
        }
        const std::string after = text(frame::matchStatistics);
        std::string panel;
        for (const std::string& line : frame::matchPanelLines(frame::matchStatistics, sim::match,
                                                              render::rainField, false, 3))
            panel += line + "\n";
        ASSERT_TRUE(frame::matchPanel.shown);
        EXPECT_EQ(panel.substr(0, panel.find('\n')),
                  "MATCH TIME   " + frame::matchTime(9000 - restart));
        // Shots, on target, passes started and completed, per team.
        const std::vector<long long> total[2] = {numbersAfter(after, "\nDYNAMO: "),
                                                 numbersAfter(after, "\nSHAKHTAR: ")},
                                     start[2] = {numbersAfter(before, "\nDYNAMO: "),
                                                 numbersAfter(before, "\nSHAKHTAR: ")};
        const char* rows[4] = {"\nShots ", "\n  on target ", "\nPasses ", "\n  completed "};
        const int columns[4] = {0, 1, 3, 4};
        for (int r = 0; r < 4; ++r) {
            const std::vector<long long> shown = numbersAfter(panel, rows[r]);
            ASSERT_EQ(shown.size(), 2u) << rows[r] << panel;
            for (int team = 0; team < 2; ++team) {
                EXPECT_EQ(shown[team], total[team][columns[r]] - start[team][columns[r]])
                    << rows[r] << team;
            }
        }
        const std::vector<long long> score = numbersAfter(after, "Final score:");
        EXPECT_NE(panel.find("\nDYNAMO " + std::to_string(score[0]) + " : " +
                             std::to_string(score[1]) + " SHAKHTAR\n"),
                  std::string::npos);
        if (restart == 0) {
            // Possession as the teams' shares of the ticks either had the ball,
            // and the latest goal at the time the summary gives it.
            const std::vector<long long> ticks = numbersAfter(after, "Possession in ticks:");
            const long long share =
                std::lround(100.0 * ticks[0] / (ticks[0] + ticks[3]));  // "(27.8%)" is two
            EXPECT_EQ(numbersAfter(panel, "\nPossession "),
                      (std::vector<long long>{share, 100 - share}));
            const std::string goals = after.substr(0, after.find("\nDYNAMO: "));
            const std::vector<long long> last = numbersIn(goals.substr(goals.rfind("\n  frame ")));
            EXPECT_EQ(numbersAfter(panel, "\n  ").at(1), last[2]) << "seconds " << panel;
        }
    }
}

}  // namespace
