// goals_test.cpp -- the celebration count, the goal on the 42nd tick and the kick-off.
#include "sim_fixture.h"

namespace {

using sim_test::SimTest;

TEST_F(SimTest, GoalIsAwardedOnTheFortySecondTickAndTheOtherSideKicksOff) {
    match.ball = sim::Ball{0.5f, 101.0f};
    for (int tick = 1; tick <= 41; ++tick) {
        steps.checkGoal();
        EXPECT_EQ(match.goalCelebration, tick);
        EXPECT_EQ(match.goalsTeam1, 0);
    }
    steps.checkGoal();
    EXPECT_EQ(match.goalsTeam1, 1);
    EXPECT_EQ(match.goalCelebration, 0);
    EXPECT_EQ(match.possession.team, 2);
    EXPECT_EQ(match.ball.lengthwise, 50.0f);
}

TEST_F(SimTest, GoalAtTheNearEndCountsForTeamTwo) {
    match.ball = sim::Ball{-3.4f, -1.0f};
    match.goalCelebration = 41;
    steps.checkGoal();
    EXPECT_EQ(match.goalsTeam2, 1);
    EXPECT_EQ(match.goalsTeam1, 0);
    EXPECT_EQ(match.possession.team, 1);
}

TEST_F(SimTest, PostsAndLinesAreNoGoal) {
    const sim::Ball balls[] = {
        {3.5f, 101.0f}, {-3.5f, 101.0f}, {3.5f, -1.0f}, {0.0f, 100.0f}, {0.0f, 0.0f}};
    for (const sim::Ball& ball : balls) {
        match.ball = ball;
        steps.checkGoal();
        EXPECT_EQ(match.goalCelebration, 0) << ball.lateral << ", " << ball.lengthwise;
    }
}

TEST_F(SimTest, AResetDuringTheCelebrationLeavesItRunning) {
    match.ball = sim::Ball{0.0f, 101.0f};
    for (int tick = 0; tick < 30; ++tick)
        steps.checkGoal();
    sim::resetMatch(match, random);
    EXPECT_EQ(match.goalCelebration, 30);
    // The next goal needs only the remaining ticks.
    match.ball = sim::Ball{0.0f, -1.0f};
    for (int tick = 0; tick < 11; ++tick)
        steps.checkGoal();
    EXPECT_EQ(match.goalsTeam2, 0);
    steps.checkGoal();
    EXPECT_EQ(match.goalsTeam2, 1);
}

TEST_F(SimTest, AShotOnTargetBecomesAGoalThroughTheWholeTick) {
    // A team 1 forward shoots from close range with nobody near the goal.
    clearPlayersAwayFromBall();
    match.team2.keeperLateral = -3.5f;
    match.team1.outfield[3] = sim::OutfieldPlayer{20.0f, 94.0f, 0.0f, 0};
    match.ball = sim::Ball{2.0f, 95.0f};
    match.possession = sim::Possession{1, 4, 20};
    arrangeDraws({{10, 5}, {100, 50}});  // shoot at (0, 101)
    steps.decideShot();
    ASSERT_EQ(match.shot.active, 1);
    for (int tick = 0; tick < 15; ++tick)
        steps.advanceShot();
    // One unit beyond the line, up to the 3.1415 of the angle.
    EXPECT_NEAR(match.ball.lateral, 0.0, 0.01);
    EXPECT_NEAR(match.ball.lengthwise, 101.0, 0.01);
    EXPECT_EQ(match.shot.active, 0);
    for (int tick = 0; tick < 42; ++tick)
        steps.checkGoal();
    EXPECT_EQ(match.goalsTeam1, 1);
}

}  // namespace
