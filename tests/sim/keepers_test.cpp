// keepers_test.cpp -- keepers sliding along their lines, and goal kicks.
#include "sim_fixture.h"

namespace {

using sim_test::SimTest;

TEST_F(SimTest, KeeperSlidesByTheDoublePrecisionPointThree) {
    // Find a lateral where the double 0.3 and the single 0.3 round apart.
    float start = 0.0f;
    for (float k = 0.001f; k < 3.0f; k += 0.001f) {
        if (static_cast<float>(k + 0.3) != static_cast<float>(k + 0.30000001192092896)) {
            start = k;
            break;
        }
    }
    ASSERT_NE(start, 0.0f);
    match.team1.keeperLateral = start;
    match.ball.lateral = 3.4f;
    steps.moveKeeper(1);
    EXPECT_EQ(match.team1.keeperLateral, static_cast<float>(start + 0.3));
}

TEST_F(SimTest, KeeperComesToRestBetweenTheBallAndPointThreeAboveIt) {
    match.ball.lateral = 1.234f;
    match.team2.keeperLateral = -3.0f;
    for (int tick = 0; tick < 40; ++tick)
        steps.moveKeeper(2);
    const float rest = match.team2.keeperLateral;
    EXPECT_GE(rest, 1.234f);
    EXPECT_LE(rest, 1.234f + 0.3f);
    // Once there, one tick steps down and back up again.
    for (int tick = 0; tick < 5; ++tick) {
        steps.moveKeeper(2);
        EXPECT_NEAR(match.team2.keeperLateral, rest, 1e-5);
    }
}

TEST_F(SimTest, KeeperOnTheBallsLateralStandsStill) {
    match.ball.lateral = 2.0f;
    match.team1.keeperLateral = 2.0f;
    steps.moveKeeper(1);
    EXPECT_EQ(match.team1.keeperLateral, 2.0f);
}

TEST_F(SimTest, KeeperStaysInsideTheGoalWidth) {
    // A ball at exactly -3.5 is the one exception: approached from above, the
    // keeper rests between it and 0.3 above it like anywhere else.
    for (float ball : {3.5f, 20.0f, -3.6f, -30.0f}) {
        match.ball.lateral = ball;
        match.team1.keeperLateral = 0.0f;
        for (int tick = 0; tick < 40; ++tick)
            steps.moveKeeper(1);
        EXPECT_EQ(match.team1.keeperLateral, ball > 0 ? 3.5f : -3.5f) << ball;
    }
    match.ball.lateral = -3.5f;
    for (int tick = 0; tick < 40; ++tick)
        steps.moveKeeper(1);
    EXPECT_GE(match.team1.keeperLateral, -3.5f);
    EXPECT_LE(match.team1.keeperLateral, -3.2f);
}

TEST_F(SimTest, GoalKickComesOnTheFortySecondTickBesideTheGoal) {
    for (float lateral : {3.5f, -3.5f, 10.0f}) {
        SCOPED_TRACE(lateral);
        match.goalKickTimer = 0;
        match.team2.keeperLateral = 1.5f;
        match.ball = sim::Ball{lateral, 101.0f};
        for (int tick = 1; tick <= 41; ++tick) {
            steps.checkGoalKick();
            EXPECT_EQ(match.goalKickTimer, tick);
            EXPECT_EQ(match.ball.lengthwise, 101.0f);
        }
        steps.checkGoalKick();
        EXPECT_EQ(match.goalKickTimer, 0);
        EXPECT_EQ(match.ball.lateral, 1.5f);
        EXPECT_EQ(match.ball.lengthwise, 97.5f);
    }
}

TEST_F(SimTest, GoalKickAtTheNearEndAndTheSharedTimer) {
    match.team1.keeperLateral = -2.0f;
    match.goalKickTimer = 41;  // counted at the other end earlier
    match.ball = sim::Ball{-4.0f, -1.0f};
    steps.checkGoalKick();
    EXPECT_EQ(match.ball.lateral, -2.0f);
    EXPECT_EQ(match.ball.lengthwise, 2.5f);
    EXPECT_EQ(match.goalKickTimer, 0);
}

TEST_F(SimTest, NoGoalKickInsideTheGoalOrOnTheLine) {
    match.ball = sim::Ball{3.4f, 101.0f};
    steps.checkGoalKick();
    match.ball = sim::Ball{10.0f, 100.0f};
    steps.checkGoalKick();
    match.ball = sim::Ball{10.0f, 0.0f};
    steps.checkGoalKick();
    EXPECT_EQ(match.goalKickTimer, 0);
}

}  // namespace
