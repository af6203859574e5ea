// possession_test.cpp -- dribbling, taking the ball, passes and shots.
#include <cmath>

#include "sim_fixture.h"

namespace {

using sim_test::arrangeDraws;
using sim_test::drawsSince;
using sim_test::SimTest;

class PossessionTest : public SimTest {
  protected:
    void SetUp() override {
        SimTest::SetUp();
        clearPlayersAwayFromBall();
        sim::match.ball = sim::Ball{0.0f, 50.0f};
        sim::match.possession = sim::Possession{0, 0, 20};
    }
};

TEST_F(PossessionTest, CarryPutsTheBallBeforeAKeeperOrLeavesALooseBall) {
    sim::match.team1.keeperLateral = -1.5f;
    sim::match.possession = sim::Possession{1, 0, 5};
    sim::carryBall();
    EXPECT_EQ(sim::match.ball.lateral, -1.5f);
    EXPECT_EQ(sim::match.ball.lengthwise, 2.5f);

    sim::match.possession = sim::Possession{0, 3, 5};
    sim::match.ball = sim::Ball{7.0f, 7.0f};
    sim::carryBall();
    EXPECT_EQ(sim::match.ball.lateral, 7.0f);
}

TEST_F(PossessionTest, NobodyTakesTheBallUntilTheTimerPassesTen) {
    sim::match.team1.outfield[0] = sim::OutfieldPlayer{0.0f, 50.5f, 0.0f, 0};
    sim::match.possession = sim::Possession{2, 3, 9};
    sim::updatePossession();
    EXPECT_EQ(sim::match.possession.team, 2);
    EXPECT_EQ(sim::match.possession.timer, 10);
    sim::updatePossession();
    EXPECT_EQ(sim::match.possession.team, 1);
    EXPECT_EQ(sim::match.possession.holder, 1);
    EXPECT_EQ(sim::match.possession.timer, 0);
}

TEST_F(PossessionTest, ADistanceOfExactlyOneDoesNotTakeTheBall) {
    sim::match.team1.outfield[1] = sim::OutfieldPlayer{0.0f, 51.0f, 0.0f, 0};
    sim::updatePossession();
    EXPECT_EQ(sim::match.possession.team, 0);
    sim::match.team1.outfield[1].lengthwise = 50.999f;
    sim::updatePossession();
    EXPECT_EQ(sim::match.possession.team, 1);
    EXPECT_EQ(sim::match.possession.holder, 2);
}

TEST_F(PossessionTest, TiesGoToTeamOneThenToOutfieldPlayersThenToTeamOnesKeeper) {
    sim::match.team2.outfield[0] = sim::OutfieldPlayer{0.5f, 50.0f, 0.0f, 0};
    sim::match.team1.outfield[4] = sim::OutfieldPlayer{-0.5f, 50.0f, 0.0f, 0};
    sim::updatePossession();
    EXPECT_EQ(sim::match.possession.team, 1);
    EXPECT_EQ(sim::match.possession.holder, 5);

    // Only the keepers near a ball on the goal line: team 1's keeper is first.
    SimTest::clearPlayersAwayFromBall();
    sim::match.possession = sim::Possession{0, 0, 20};
    sim::match.team1.outfield[3] = sim::OutfieldPlayer{0.0f, 2.6f, 0.0f, 0};
    sim::match.ball = sim::Ball{0.0f, 2.5f};
    sim::updatePossession();
    EXPECT_EQ(sim::match.possession.team, 1);
    EXPECT_EQ(sim::match.possession.holder, 4);
    sim::match.team1.outfield[3].lengthwise = 40.0f;
    sim::match.possession = sim::Possession{0, 0, 20};
    sim::updatePossession();
    EXPECT_EQ(sim::match.possession.team, 1);
    EXPECT_EQ(sim::match.possession.holder, 0);
}

TEST_F(PossessionTest, TheHolderCannotRetakeButATeammateCan) {
    sim::match.team1.outfield[0] = sim::OutfieldPlayer{0.0f, 49.5f, 0.0f, 0};
    sim::match.team1.outfield[1] = sim::OutfieldPlayer{0.3f, 50.3f, 0.0f, 0};
    sim::match.possession = sim::Possession{1, 1, 20};
    sim::updatePossession();
    EXPECT_EQ(sim::match.possession.holder, 2);
}

TEST_F(PossessionTest, TakingTheBallStopsBothFlightsButKeepsThePassDirection) {
    sim::match.team2.outfield[1] = sim::OutfieldPlayer{0.0f, 50.5f, 0.0f, 0};
    sim::match.pass = sim::BallFlight{1, 4, 1.5f, 33.0f};
    sim::match.shot = sim::BallFlight{1, 3, 2.5f, 44.0f};
    sim::match.passWait = 17;
    sim::updatePossession();
    EXPECT_EQ(sim::match.possession.team, 2);
    EXPECT_EQ(sim::match.pass.active, 0);
    EXPECT_EQ(sim::match.pass.ticks, 0);
    EXPECT_EQ(sim::match.pass.speed, 0.0f);
    EXPECT_EQ(sim::match.pass.direction, 33.0f);
    EXPECT_EQ(sim::match.shot.active, 0);
    EXPECT_EQ(sim::match.shot.direction, 0.0f);
    EXPECT_EQ(sim::match.passWait, 0);
}

TEST_F(PossessionTest, APassGoesToTheHighestNumberedTeammateAhead) {
    sim::OutfieldPlayer* team1 = sim::match.team1.outfield;
    team1[0] = sim::OutfieldPlayer{0.0f, 30.0f, 0.0f, 0};    // the holder
    team1[1] = sim::OutfieldPlayer{-10.0f, 45.0f, 0.0f, 0};  // ahead
    team1[2] = sim::OutfieldPlayer{-20.0f, 20.0f, 0.0f, 0};  // behind
    team1[3] = sim::OutfieldPlayer{20.0f, 60.0f, 0.0f, 0};   // ahead: the receiver
    team1[4] = sim::OutfieldPlayer{-20.0f, 29.0f, 0.0f, 0};  // behind
    sim::match.ball = sim::Ball{0.0f, 30.5f};
    sim::match.possession = sim::Possession{1, 1, 11};
    sim::match.passWait = 11;
    const std::uint32_t start = common::randomState();
    sim::decidePass();
    EXPECT_EQ(drawsSince(start), 0);
    EXPECT_EQ(sim::match.possession.team, 0);
    EXPECT_EQ(sim::match.pass.active, 1);
    EXPECT_EQ(sim::match.pass.direction, sim::bearingTo(0.0f, 30.5f, 20.0f, 65.0f, 0.0f));
    EXPECT_EQ(sim::match.pass.speed,
              static_cast<float>(std::sqrt(static_cast<float>(400.0 + 34.5 * 34.5)) / 15.0));
    // Fifteen steps land on the target, up to the 3.1415 of the angle.
    for (int tick = 0; tick < 15; ++tick) {
        sim::advancePass();
    }
    EXPECT_NEAR(sim::match.ball.lateral, 20.0, 0.01);
    EXPECT_NEAR(sim::match.ball.lengthwise, 65.0, 0.01);
    EXPECT_EQ(sim::match.pass.active, 0);
    EXPECT_EQ(sim::match.passWait, 0);
}

TEST_F(PossessionTest, TeamTwoPassesTowardsLengthwiseZero) {
    sim::OutfieldPlayer* team2 = sim::match.team2.outfield;
    team2[0] = sim::OutfieldPlayer{-10.0f, 60.0f, 0.0f, 0};  // ahead (lower lengthwise)
    team2[1] = sim::OutfieldPlayer{0.0f, 80.0f, 0.0f, 0};
    for (int i = 2; i < 5; ++i)
        team2[i].lengthwise = 99.0f;  // behind the ball
    sim::match.ball = sim::Ball{0.0f, 97.5f};
    sim::match.possession = sim::Possession{2, 0, 11};  // the keeper passes
    sim::match.passWait = 11;
    sim::decidePass();
    // Player 2 is the highest-numbered player ahead; its target is 5 short of it.
    EXPECT_EQ(sim::match.pass.direction, sim::bearingTo(0.0f, 97.5f, 0.0f, 75.0f, 0.0f));
}

TEST_F(PossessionTest, PassesWaitForElevenTicksAndForTheFlightToEnd) {
    sim::match.team1.outfield[4] = sim::OutfieldPlayer{-20.0f, 60.0f, 0.0f, 0};
    sim::match.possession = sim::Possession{1, 1, 11};
    sim::match.passWait = 10;
    sim::decidePass();
    EXPECT_EQ(sim::match.passWait, 11);
    EXPECT_EQ(sim::match.pass.active, 0);
    sim::match.pass.active = 1;
    sim::decidePass();
    EXPECT_EQ(sim::match.passWait, 12);
    // With nobody ahead the holder keeps the ball and passWait stays.
    sim::match.pass.active = 0;
    sim::match.team1.outfield[4].lengthwise = 10.0f;
    sim::decidePass();
    EXPECT_EQ(sim::match.passWait, 12);
    EXPECT_EQ(sim::match.possession.team, 1);
}

TEST_F(PossessionTest, ShotTargetsAreTenthsFromMinusFiveToFourPointNine) {
    sim::match.team1.outfield[4] = sim::OutfieldPlayer{-10.0f, 80.0f, 0.0f, 0};
    for (int v = 0; v < 100; ++v) {
        sim::match.ball = sim::Ball{1.0f, 80.5f};
        sim::match.possession = sim::Possession{1, 5, 3};
        sim::match.shot = sim::BallFlight{};
        arrangeDraws({{10, 5}, {100, v}});
        sim::decideShot();
        const float t = static_cast<float>((v - 50) * 0.1);
        ASSERT_EQ(sim::match.shot.active, 1) << v;
        EXPECT_EQ(sim::match.shot.direction, sim::bearingTo(1.0f, 80.5f, t, 101.0f, 0.0f)) << v;
        EXPECT_EQ(sim::match.possession.team, 0);
    }
}

TEST_F(PossessionTest, ShotDrawsAreMadeWhoeverHasTheBall) {
    struct Case {
        sim::Possession possession;
        float lengthwise;
        int draws;
        bool shoots;
    };
    const Case cases[] = {
        {{1, 4, 3}, 80.0f, 2, true},   // team 1 forward, draw 5: shoots
        {{1, 3, 3}, 80.0f, 1, false},  // a defender never shoots
        {{2, 4, 3}, 80.0f, 1, false},  // the other team's forward, wrong end
        {{0, 4, 3}, 80.0f, 1, false},  // loose ball
        {{2, 5, 3}, 20.0f, 2, true},   // team 2 forward in its attacking third
        {{1, 4, 3}, 50.0f, 0, false},  // midfield: no draw
    };
    for (const Case& c : cases) {
        sim::match.possession = c.possession;
        sim::match.ball = sim::Ball{0.0f, c.lengthwise};
        sim::match.shot = sim::BallFlight{};
        arrangeDraws({{10, 5}});
        const std::uint32_t start = common::randomState();
        sim::decideShot();
        EXPECT_EQ(drawsSince(start), c.draws) << c.possession.team << "/" << c.possession.holder;
        EXPECT_EQ(sim::match.shot.active, c.shoots ? 1 : 0);
    }
    // A shot in flight makes no draw.
    sim::match.ball = sim::Ball{0.0f, 80.0f};
    sim::match.shot.active = 1;
    const std::uint32_t start = common::randomState();
    sim::decideShot();
    EXPECT_EQ(drawsSince(start), 0);
}

TEST_F(PossessionTest, ShotEndClearsTheFlightButNotPassWait) {
    sim::match.shot = sim::BallFlight{1, 14, 1.0f, 0.0f};
    sim::match.passWait = 5;
    sim::advanceShot();
    EXPECT_EQ(sim::match.shot.active, 0);
    EXPECT_EQ(sim::match.shot.ticks, 0);
    EXPECT_EQ(sim::match.shot.speed, 0.0f);
    EXPECT_EQ(sim::match.passWait, 5);
    EXPECT_EQ(sim::match.ball.lengthwise, 51.0f);
}

TEST_F(PossessionTest, TheTickRunsItsStepsInOrder) {
    // A long run from a kick-off stays finite and keeps every count in range.
    sim::resetMatch();
    for (int tick = 0; tick < 20000; ++tick) {
        sim::matchTick();
        ASSERT_TRUE(std::isfinite(sim::match.ball.lateral));
        ASSERT_LE(sim::match.goalCelebration, 41);
        ASSERT_LE(sim::match.pass.ticks, 15);
        ASSERT_GE(sim::match.team1.keeperLateral, -3.5f);
        ASSERT_LE(sim::match.team2.keeperLateral, 3.5f);
    }
    EXPECT_GT(sim::match.goalsTeam1 + sim::match.goalsTeam2, 0);
}

}  // namespace
