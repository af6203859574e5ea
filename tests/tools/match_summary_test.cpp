// match_summary_test.cpp -- the summary's events read off the state on either side of a tick.
#include "tools/match_summary.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "common/random.h"
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
        tools::observeTick(report, frame, before, sim::match);
    }

    static std::string text(const tools::MatchReport& report) {
        char buffer[8192] = {};
        std::FILE* out = fmemopen(buffer, sizeof buffer - 1, "w");
        tools::writeReport(report, out);
        std::fclose(out);
        return buffer;
    }

    tools::MatchReport report;
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
    EXPECT_EQ(report.shotsOnTarget[0], 1);
    EXPECT_EQ(report.shotsOffTarget[0], 2);

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
    tools::observeFrameEnd(report, 141, false);
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
    EXPECT_EQ(report.passesStarted[0], 1);
    for (int i = 0; i < 14; ++i)
        tick(2 + i);
    // The receiver, waiting at the target, takes the ball once the timer allows.
    team1[4].lengthwise = sim::match.ball.lengthwise;
    team1[4].lateral = sim::match.ball.lateral;
    for (int i = 0; i < 3 && sim::match.possession.team == 0; ++i)
        tick(20 + i);
    EXPECT_EQ(sim::match.possession.holder, 5);
    EXPECT_EQ(report.passesCompleted[0], 1);
    EXPECT_EQ(report.possessionTicks[1] + report.possessionTicks[0], report.ticks);
}

TEST_F(SummaryTest, GoalKicksAndWeatherSwitches) {
    sim::match.possession.team = 0;
    sim::match.ball = sim::Ball{10.0f, -1.0f};
    sim::match.goalKickTimer = 41;
    tick(7);
    EXPECT_EQ(report.goalKicks[0], 1);
    render::rainField.clock = 0;
    render::rainField.raining = 1;
    tools::observeFrameEnd(report, 1819, false);
    ASSERT_EQ(report.weather.size(), 1u);
    EXPECT_EQ(report.weather[0].frame, 1819);
    EXPECT_TRUE(report.weather[0].rainStarts);
    // 33 ms a frame: frame 1819 ends at 60.027 s, frame 1818 at 59.994 s.
    EXPECT_NE(text(report).find("frame 1819 at 1:00: rain starts"), std::string::npos)
        << text(report);
    EXPECT_EQ(tools::matchTime(1818), "0:59");
    EXPECT_EQ(tools::matchTime(999999999999999999), "549999999999999:59");
}

}  // namespace
