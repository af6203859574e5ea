// match_summary_test.cpp -- the statistics' events read off the state on either side of a tick,
// and the summary printed from them.
#include "tools/match_summary.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "common/random.h"
#include "frame/frame_step.h"
#include "frame/match_panel.h"
#include "frame/match_statistics.h"
#include "frame/world.h"
#include "render/rain_field.h"
#include "sim/match_state.h"

namespace {

class SummaryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        sim::kickOff(match, 1);
        for (sim::OutfieldPlayer& player : match.team2.outfield)
            player.lengthwise = 99.0f;
    }

    // Runs one tick's ball steps and lets the statistics and the report look at it.
    void tick(std::int64_t frame) {
        const sim::MatchState before = match;
        sim::matchTickBall(match, world->random);
        frame::observeTick(statistics, frame, before, match);
        tools::gatherReport(report, statistics);
    }

    // The statistics' look at the end of frame `frame`.
    void endFrame(std::int64_t frame) {
        statistics.frames = frame;
        frame::observeFrameEnd(statistics, world->rain);
        tools::gatherReport(report, statistics);
    }

    static std::string text(const frame::World& world, const tools::MatchReport& report) {
        char buffer[8192] = {};
        std::FILE* out = fmemopen(buffer, sizeof buffer - 1, "w");
        tools::writeReport(world, report, out);
        std::fclose(out);
        return buffer;
    }
    std::string text() const { return text(*world, report); }

    // On the heap: a world is several hundred kilobytes.
    std::unique_ptr<frame::World> world = std::make_unique<frame::World>(frame::initialWorld());
    sim::MatchState& match = world->match;
    frame::MatchStatistics& statistics = world->statistics;
    tools::MatchReport report;
};

TEST_F(SummaryTest, ShotsOnAndOffTargetAndTheGoalsScorer) {
    // Team 1's player 5 holds the ball near goal with nobody else about.
    match.team1.outfield[4] = sim::OutfieldPlayer{0.0f, 90.0f, 0.0f, 0};
    match.ball = sim::Ball{0.0f, 90.5f};
    match.possession = sim::Possession{1, 5, 3};
    match.passWait = 0;
    tick(1);                        // the holder is seen with the ball
    for (int aim : {49, 10, 85}) {  // t = -0.1 (on), -4.0 (off), 3.5 (off: the post)
        std::uint32_t seed = 1;
        for (;; ++seed) {
            world->random.state = seed;
            const int shoot = common::drawRandomBelow(world->random, 10);
            if (shoot == 5 && common::drawRandomBelow(world->random, 100) == aim)
                break;
        }
        world->random.state = seed;
        match.shot = sim::BallFlight{};
        match.ball = sim::Ball{0.0f, 90.5f};
        match.possession = sim::Possession{1, 5, 3};
        tick(2);
        ASSERT_EQ(match.shot.active, 1);
    }
    EXPECT_EQ(statistics.total.shotsOnTarget[0], 1);
    EXPECT_EQ(statistics.total.shotsOffTarget[0], 2);

    // The ball lies in the goal until the 42nd tick awards it.
    match.shot = sim::BallFlight{};
    match.possession.team = 0;
    match.ball = sim::Ball{0.0f, 101.0f};
    match.team1.outfield[4].lengthwise = 60.0f;
    match.team2.keeperLateral = 3.5f;
    for (int i = 0; i < 42; ++i)
        tick(100 + i);
    ASSERT_EQ(statistics.goals, 1);
    ASSERT_EQ(report.goals.size(), 1u);
    EXPECT_EQ(report.goals[0].frame, 141);
    EXPECT_EQ(report.goals[0].team, 1);
    EXPECT_EQ(report.goals[0].scorerTeam, 1);
    EXPECT_EQ(report.goals[0].scorerHolder, 5);
    endFrame(141);
    const std::string out = text();
    EXPECT_NE(out.find("Final score: DYNAMO 1 : 0 SHAKHTAR"), std::string::npos) << out;
    EXPECT_NE(out.find("frame 141 at 0:04: DYNAMO (team 1 player 5), 1 : 0"), std::string::npos)
        << out;
}

TEST_F(SummaryTest, APassIsCompletedWhenATeammateTakesIt) {
    sim::OutfieldPlayer* team1 = match.team1.outfield;
    team1[0] = sim::OutfieldPlayer{0.0f, 30.0f, 0.0f, 0};
    team1[1] = sim::OutfieldPlayer{-10.0f, 20.0f, 0.0f, 0};
    team1[2] = sim::OutfieldPlayer{-30.0f, 10.0f, 0.0f, 0};
    team1[3] = sim::OutfieldPlayer{20.0f, 10.0f, 0.0f, 0};
    team1[4] = sim::OutfieldPlayer{-20.0f, 45.0f, 0.0f, 0};
    match.ball = sim::Ball{0.0f, 30.5f};
    match.possession = sim::Possession{1, 1, 11};
    match.passWait = 11;
    tick(1);
    EXPECT_EQ(statistics.total.passesStarted[0], 1);
    for (int i = 0; i < 14; ++i)
        tick(2 + i);
    // The receiver, waiting at the target, takes the ball once the timer allows.
    team1[4].lengthwise = match.ball.lengthwise;
    team1[4].lateral = match.ball.lateral;
    for (int i = 0; i < 3 && match.possession.team == 0; ++i)
        tick(20 + i);
    EXPECT_EQ(match.possession.holder, 5);
    EXPECT_EQ(statistics.total.passesCompleted[0], 1);
    EXPECT_EQ(statistics.total.possessionTicks[1] + statistics.total.possessionTicks[0],
              statistics.total.ticks);
}

TEST_F(SummaryTest, GoalKicksAndWeatherSwitches) {
    match.possession.team = 0;
    match.ball = sim::Ball{10.0f, -1.0f};
    match.goalKickTimer = 41;
    tick(7);
    EXPECT_EQ(statistics.total.goalKicks[0], 1);
    world->rain.clock = 0;
    world->rain.raining = 1;
    endFrame(1819);
    ASSERT_EQ(statistics.weatherSwitches, 1);
    ASSERT_EQ(report.weather.size(), 1u);
    EXPECT_EQ(report.weather[0].frame, 1819);
    EXPECT_TRUE(report.weather[0].rainStarts);
    // 33 ms a frame: frame 1819 ends at 60.027 s, frame 1818 at 59.994 s.
    EXPECT_NE(text().find("frame 1819 at 1:00: rain starts"), std::string::npos) << text();
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
        *world = frame::initialWorld();
        report = tools::MatchReport{};
        frame::initSceneState(*world);
        std::string before = "\nDYNAMO: 0 0 0 0 0\nSHAKHTAR: 0 0 0 0 0\n";
        for (int f = 1; f <= 9000; ++f) {
            world->keys.held['1'] = f == restart;
            world->keys.held[0x09] = f == 20;
            frame::stepWorld(*world);
            tools::gatherReport(report, statistics);
            if (f == restart)
                before = text();
        }
        const std::string after = text();
        const std::vector<std::string> lines =
            frame::matchPanelLines(statistics, match, world->rain, false, 3);
        std::string panel;
        for (const std::string& line : lines)
            panel += line + "\n";
        ASSERT_TRUE(world->panel.shown);
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

            // More goals than the statistics keep: the summary still lists
            // every one, in order (one match: goal i makes i goals in all),
            // and the panel the latest three, latest first.
            ASSERT_GT(statistics.goals, frame::kKeptGoals);
            std::vector<std::vector<long long>> listed;  // time, then the score last
            for (std::size_t at = goals.find("\n  frame "); at != std::string::npos;
                 at = goals.find("\n  frame ", at + 1))
                listed.push_back(numbersIn(goals.substr(at, goals.find('\n', at + 1) - at)));
            ASSERT_EQ(static_cast<std::int64_t>(listed.size()), statistics.goals) << goals;
            for (std::size_t i = 0; i < listed.size(); ++i) {
                const std::vector<long long>& goal = listed[i];
                EXPECT_EQ(goal[goal.size() - 2] + goal.back(), static_cast<long long>(i + 1));
            }
            for (std::size_t k = 0; k < 3; ++k) {
                const std::vector<long long>& goal = listed[listed.size() - 1 - k];
                const std::vector<long long> shown = numbersIn(lines.at(2 + k));
                ASSERT_GE(shown.size(), 4u) << lines[2 + k];
                EXPECT_EQ(
                    (std::vector<long long>{shown[0], shown[1], shown[2], shown[3]}),
                    (std::vector<long long>{goal[1], goal[2], goal[goal.size() - 2], goal.back()}))
                    << lines[2 + k];
            }
        }
    }
}

}  // namespace
