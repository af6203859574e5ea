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
    sim::match.team1.keeperLateral = 2.0f;
    sim::match.ball = sim::Ball{7, 7};
    sim::kickOff(1);
    const Spot team1[5] = {{25, 20, 0}, {0, 20, 0}, {-25, 20, 0}, {1, 50, 270}, {-3, 50, 90}};
    const Spot team2[5] = {
        {-25, 80, 180}, {0, 80, 180}, {25, 80, 180}, {-15, 60, 180}, {15, 60, 180}};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i + 1);
        expectAt(sim::match.team1.outfield[i], team1[i]);
        expectAt(sim::match.team2.outfield[i], team2[i]);
    }
    EXPECT_EQ(sim::match.team1.keeperLateral, 0.0f);
    EXPECT_EQ(sim::match.ball.lateral, 0.0f);
    EXPECT_EQ(sim::match.ball.lengthwise, 50.0f);
    EXPECT_EQ(sim::match.possession.team, 1);
    EXPECT_EQ(sim::match.possession.holder, 4);
}

TEST_F(SimTest, KickOffByTeamTwoPlacesItsForwardsOnTheHalfwayLine) {
    sim::match.team2.keeperLateral = -2.0f;
    sim::kickOff(2);
    const Spot team1[5] = {{25, 20, 0}, {0, 20, 0}, {-25, 20, 0}, {15, 40, 0}, {-15, 40, 0}};
    const Spot team2[5] = {{-25, 80, 180}, {0, 80, 180}, {25, 80, 180}, {-3, 50, 90}, {1, 50, 270}};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i + 1);
        expectAt(sim::match.team1.outfield[i], team1[i]);
        expectAt(sim::match.team2.outfield[i], team2[i]);
    }
    EXPECT_EQ(sim::match.team2.keeperLateral, 0.0f);
    EXPECT_EQ(sim::match.possession.team, 2);
    EXPECT_EQ(sim::match.possession.holder, 5);
}

TEST_F(SimTest, KickOffLeavesCountersTimersAndFlightsAlone) {
    sim::match.pass = sim::BallFlight{1, 3, 2.0f, 45.0f};
    sim::match.shot = sim::BallFlight{1, 4, 3.0f, 10.0f};
    sim::match.passWait = 7;
    sim::match.possession.timer = 9;
    sim::match.goalCelebration = 12;
    sim::match.goalKickTimer = 13;
    sim::match.goalsTeam1 = 2;
    sim::match.team1.outfield[2].decisionTimer = 5;
    sim::kickOff(2);
    EXPECT_EQ(sim::match.pass.active, 1);
    EXPECT_EQ(sim::match.pass.ticks, 3);
    EXPECT_EQ(sim::match.shot.direction, 10.0f);
    EXPECT_EQ(sim::match.passWait, 7);
    EXPECT_EQ(sim::match.possession.timer, 9);
    EXPECT_EQ(sim::match.goalCelebration, 12);
    EXPECT_EQ(sim::match.goalKickTimer, 13);
    EXPECT_EQ(sim::match.goalsTeam1, 2);
    EXPECT_EQ(sim::match.team1.outfield[2].decisionTimer, 5);
}

TEST_F(SimTest, FirstResetOfTheRunDrawsFortyOneAndTeamOneKicksOff) {
    sim::resetMatch();
    EXPECT_EQ(common::randomState(), 1u * 214013u + 2531011u);
    EXPECT_EQ(sim::match.possession.team, 1);
    EXPECT_EQ(sim::match.possession.holder, 4);
}

TEST_F(SimTest, ResetWithAnEvenDrawLetsTeamTwoKickOff) {
    sim_test::arrangeDraws({{2, 0}});
    sim::resetMatch();
    EXPECT_EQ(sim::match.possession.team, 2);
}

TEST_F(SimTest, ResetClearsGoalsAndWarmUpButKeepsTheCelebration) {
    sim::match.goalsTeam1 = 3;
    sim::match.goalsTeam2 = 4;
    sim::match.warmUpFrames = 150;
    sim::match.goalCelebration = 20;
    sim::match.goalKickTimer = 5;
    sim::match.passWait = 3;
    sim::resetMatch();
    EXPECT_EQ(sim::match.goalsTeam1, 0);
    EXPECT_EQ(sim::match.goalsTeam2, 0);
    EXPECT_EQ(sim::match.warmUpFrames, 0);
    EXPECT_EQ(sim::match.goalCelebration, 20);
    EXPECT_EQ(sim::match.goalKickTimer, 5);
    EXPECT_EQ(sim::match.passWait, 3);
}

}  // namespace
