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
    sim::match.team1.keeperLateral = start;
    sim::match.ball.lateral = 3.4f;
    sim::moveKeeper(1);
    EXPECT_EQ(sim::match.team1.keeperLateral, static_cast<float>(start + 0.3));
}

TEST_F(SimTest, KeeperComesToRestBetweenTheBallAndPointThreeAboveIt) {
    sim::match.ball.lateral = 1.234f;
    sim::match.team2.keeperLateral = -3.0f;
    for (int tick = 0; tick < 40; ++tick)
        sim::moveKeeper(2);
    const float rest = sim::match.team2.keeperLateral;
    EXPECT_GE(rest, 1.234f);
    EXPECT_LE(rest, 1.234f + 0.3f);
    // Once there, one tick steps down and back up again.
    for (int tick = 0; tick < 5; ++tick) {
        sim::moveKeeper(2);
        EXPECT_NEAR(sim::match.team2.keeperLateral, rest, 1e-5);
    }
}

TEST_F(SimTest, KeeperOnTheBallsLateralStandsStill) {
    sim::match.ball.lateral = 2.0f;
    sim::match.team1.keeperLateral = 2.0f;
    sim::moveKeeper(1);
    EXPECT_EQ(sim::match.team1.keeperLateral, 2.0f);
}

TEST_F(SimTest, KeeperStaysInsideTheGoalWidth) {
    // A ball at exactly -3.5 is the one exception: approached from above, the
    // keeper rests between it and 0.3 above it like anywhere else.
    for (float ball : {3.5f, 20.0f, -3.6f, -30.0f}) {
        sim::match.ball.lateral = ball;
        sim::match.team1.keeperLateral = 0.0f;
        for (int tick = 0; tick < 40; ++tick)
            sim::moveKeeper(1);
        EXPECT_EQ(sim::match.team1.keeperLateral, ball > 0 ? 3.5f : -3.5f) << ball;
    }
    sim::match.ball.lateral = -3.5f;
    for (int tick = 0; tick < 40; ++tick)
        sim::moveKeeper(1);
    EXPECT_GE(sim::match.team1.keeperLateral, -3.5f);
    EXPECT_LE(sim::match.team1.keeperLateral, -3.2f);
}

TEST_F(SimTest, GoalKickComesOnTheFortySecondTickBesideTheGoal) {
    for (float lateral : {3.5f, -3.5f, 10.0f}) {
        SCOPED_TRACE(lateral);
        sim::match.goalKickTimer = 0;
        sim::match.team2.keeperLateral = 1.5f;
        sim::match.ball = sim::Ball{lateral, 101.0f};
        for (int tick = 1; tick <= 41; ++tick) {
            sim::checkGoalKick();
            EXPECT_EQ(sim::match.goalKickTimer, tick);
            EXPECT_EQ(sim::match.ball.lengthwise, 101.0f);
        }
        sim::checkGoalKick();
        EXPECT_EQ(sim::match.goalKickTimer, 0);
        EXPECT_EQ(sim::match.ball.lateral, 1.5f);
        EXPECT_EQ(sim::match.ball.lengthwise, 97.5f);
    }
}

TEST_F(SimTest, GoalKickAtTheNearEndAndTheSharedTimer) {
    sim::match.team1.keeperLateral = -2.0f;
    sim::match.goalKickTimer = 41;  // counted at the other end earlier
    sim::match.ball = sim::Ball{-4.0f, -1.0f};
    sim::checkGoalKick();
    EXPECT_EQ(sim::match.ball.lateral, -2.0f);
    EXPECT_EQ(sim::match.ball.lengthwise, 2.5f);
    EXPECT_EQ(sim::match.goalKickTimer, 0);
}

TEST_F(SimTest, NoGoalKickInsideTheGoalOrOnTheLine) {
    sim::match.ball = sim::Ball{3.4f, 101.0f};
    sim::checkGoalKick();
    sim::match.ball = sim::Ball{10.0f, 100.0f};
    sim::checkGoalKick();
    sim::match.ball = sim::Ball{10.0f, 0.0f};
    sim::checkGoalKick();
    EXPECT_EQ(sim::match.goalKickTimer, 0);
}

}  // namespace
