// kickoff_test.cpp -- kick-off placements for both sides and the match reset.
#include "sim_fixture.h"

namespace {

using sim_test::SimTest;

struct Spot {
    float lateral, lengthwise, heading;
};

static void expectAt(const sim::OutfieldPlayer& player, Spot spot) {
    EXPECT_EQ(player.lateral, spot.lateral);
    EXPECT_EQ(player.lengthwise, spot.lengthwise);
    EXPECT_EQ(player.heading, spot.heading);
}

TEST_F(SimTest, KickOffByTeamOnePlacesItsForwardsOnTheHalfwayLine) {
    match.team1.keeperLateral = 2.0f;
    match.ball = sim::Ball{7, 7};
    sim::kickOff(match, 1);
    const Spot team1[5] = {{25, 20, 0}, {0, 20, 0}, {-25, 20, 0}, {1, 50, 270}, {-3, 50, 90}};
    const Spot team2[5] = {
        {-25, 80, 180}, {0, 80, 180}, {25, 80, 180}, {-15, 60, 180}, {15, 60, 180}};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i + 1);
        expectAt(match.team1.outfield[i], team1[i]);
        expectAt(match.team2.outfield[i], team2[i]);
    }
    EXPECT_EQ(match.team1.keeperLateral, 0.0f);
    EXPECT_EQ(match.ball.lateral, 0.0f);
    EXPECT_EQ(match.ball.lengthwise, 50.0f);
    EXPECT_EQ(match.possession.team, 1);
    EXPECT_EQ(match.possession.holder, 4);
}

TEST_F(SimTest, KickOffByTeamTwoPlacesItsForwardsOnTheHalfwayLine) {
    match.team2.keeperLateral = -2.0f;
    sim::kickOff(match, 2);
    const Spot team1[5] = {{25, 20, 0}, {0, 20, 0}, {-25, 20, 0}, {15, 40, 0}, {-15, 40, 0}};
    const Spot team2[5] = {{-25, 80, 180}, {0, 80, 180}, {25, 80, 180}, {-3, 50, 90}, {1, 50, 270}};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i + 1);
        expectAt(match.team1.outfield[i], team1[i]);
        expectAt(match.team2.outfield[i], team2[i]);
    }
    EXPECT_EQ(match.team2.keeperLateral, 0.0f);
    EXPECT_EQ(match.possession.team, 2);
    EXPECT_EQ(match.possession.holder, 5);
}

TEST_F(SimTest, KickOffLeavesCountersTimersAndFlightsAlone) {
    match.pass = sim::BallFlight{1, 3, 2.0f, 45.0f};
    match.shot = sim::BallFlight{1, 4, 3.0f, 10.0f};
    match.passWait = 7;
    match.possession.timer = 9;
    match.goalCelebration = 12;
    match.goalKickTimer = 13;
    match.goalsTeam1 = 2;
    match.team1.outfield[2].decisionTimer = 5;
    sim::kickOff(match, 2);
    EXPECT_EQ(match.pass.active, 1);
    EXPECT_EQ(match.pass.ticks, 3);
    EXPECT_EQ(match.shot.direction, 10.0f);
    EXPECT_EQ(match.passWait, 7);
    EXPECT_EQ(match.possession.timer, 9);
    EXPECT_EQ(match.goalCelebration, 12);
    EXPECT_EQ(match.goalKickTimer, 13);
    EXPECT_EQ(match.goalsTeam1, 2);
    EXPECT_EQ(match.team1.outfield[2].decisionTimer, 5);
}

TEST_F(SimTest, FirstResetOfTheRunDrawsFortyOneAndTeamOneKicksOff) {
    sim::resetMatch(match, random);
    EXPECT_EQ(random.state, 1u * 214013u + 2531011u);
    EXPECT_EQ(match.possession.team, 1);
    EXPECT_EQ(match.possession.holder, 4);
}

TEST_F(SimTest, ResetWithAnEvenDrawLetsTeamTwoKickOff) {
    arrangeDraws({{2, 0}});
    sim::resetMatch(match, random);
    EXPECT_EQ(match.possession.team, 2);
}

TEST_F(SimTest, ResetClearsGoalsAndWarmUpButKeepsTheCelebration) {
    match.goalsTeam1 = 3;
    match.goalsTeam2 = 4;
    match.warmUpFrames = 150;
    match.goalCelebration = 20;
    match.goalKickTimer = 5;
    match.passWait = 3;
    sim::resetMatch(match, random);
    EXPECT_EQ(match.goalsTeam1, 0);
    EXPECT_EQ(match.goalsTeam2, 0);
    EXPECT_EQ(match.warmUpFrames, 0);
    EXPECT_EQ(match.goalCelebration, 20);
    EXPECT_EQ(match.goalKickTimer, 5);
    EXPECT_EQ(match.passWait, 3);
}

}  // namespace
