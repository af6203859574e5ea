// goals_test.cpp -- the celebration count, the goal on the 42nd tick and the kick-off.
#include "sim_fixture.h"

namespace {

using sim_test::SimTest;

TEST_F(SimTest, GoalIsAwardedOnTheFortySecondTickAndTheOtherSideKicksOff) {
    sim::match.ball = sim::Ball{0.5f, 101.0f};
    for (int tick = 1; tick <= 41; ++tick) {
        sim::checkGoal();
        EXPECT_EQ(sim::match.goalCelebration, tick);
        EXPECT_EQ(sim::match.goalsTeam1, 0);
    }
    sim::checkGoal();
    EXPECT_EQ(sim::match.goalsTeam1, 1);
    EXPECT_EQ(sim::match.goalCelebration, 0);
    EXPECT_EQ(sim::match.possession.team, 2);
    EXPECT_EQ(sim::match.ball.lengthwise, 50.0f);
}

TEST_F(SimTest, GoalAtTheNearEndCountsForTeamTwo) {
    sim::match.ball = sim::Ball{-3.4f, -1.0f};
    sim::match.goalCelebration = 41;
    sim::checkGoal();
    EXPECT_EQ(sim::match.goalsTeam2, 1);
    EXPECT_EQ(sim::match.goalsTeam1, 0);
    EXPECT_EQ(sim::match.possession.team, 1);
}

TEST_F(SimTest, PostsAndLinesAreNoGoal) {
    const sim::Ball balls[] = {
        {3.5f, 101.0f}, {-3.5f, 101.0f}, {3.5f, -1.0f}, {0.0f, 100.0f}, {0.0f, 0.0f}};
    for (const sim::Ball& ball : balls) {
        sim::match.ball = ball;
        sim::checkGoal();
        EXPECT_EQ(sim::match.goalCelebration, 0) << ball.lateral << ", " << ball.lengthwise;
    }
}

TEST_F(SimTest, AResetDuringTheCelebrationLeavesItRunning) {
    sim::match.ball = sim::Ball{0.0f, 101.0f};
    for (int tick = 0; tick < 30; ++tick)
        sim::checkGoal();
    sim::resetMatch();
    EXPECT_EQ(sim::match.goalCelebration, 30);
    // The next goal needs only the remaining ticks.
    sim::match.ball = sim::Ball{0.0f, -1.0f};
    for (int tick = 0; tick < 11; ++tick)
        sim::checkGoal();
    EXPECT_EQ(sim::match.goalsTeam2, 0);
    sim::checkGoal();
    EXPECT_EQ(sim::match.goalsTeam2, 1);
}

TEST_F(SimTest, AShotOnTargetBecomesAGoalThroughTheWholeTick) {
    // A team 1 forward shoots from close range with nobody near the goal.
    clearPlayersAwayFromBall();
    sim::match.team2.keeperLateral = -3.5f;
    sim::match.team1.outfield[3] = sim::OutfieldPlayer{20.0f, 94.0f, 0.0f, 0};
    sim::match.ball = sim::Ball{2.0f, 95.0f};
    sim::match.possession = sim::Possession{1, 4, 20};
    sim_test::arrangeDraws({{10, 5}, {100, 50}});  // shoot at (0, 101)
    sim::decideShot();
    ASSERT_EQ(sim::match.shot.active, 1);
    for (int tick = 0; tick < 15; ++tick)
        sim::advanceShot();
    // One unit beyond the line, up to the 3.1415 of the angle.
    EXPECT_NEAR(sim::match.ball.lateral, 0.0, 0.01);
    EXPECT_NEAR(sim::match.ball.lengthwise, 101.0, 0.01);
    EXPECT_EQ(sim::match.shot.active, 0);
    for (int tick = 0; tick < 42; ++tick)
        sim::checkGoal();
    EXPECT_EQ(sim::match.goalsTeam1, 1);
}

}  // namespace
