// possession_test.cpp -- dribbling, taking the ball, passes and shots.
#include <cmath>

#include "sim_fixture.h"

namespace {

using sim_test::SimTest;

class PossessionTest : public SimTest {
  protected:
    void SetUp() override {
        clearPlayersAwayFromBall();
        match.ball = sim::Ball{0.0f, 50.0f};
        match.possession = sim::Possession{0, 0, 20};
    }
};

TEST_F(PossessionTest, CarryPutsTheBallBeforeAKeeperOrLeavesALooseBall) {
    match.team1.keeperLateral = -1.5f;
    match.possession = sim::Possession{1, 0, 5};
    steps.carryBall();
    EXPECT_EQ(match.ball.lateral, -1.5f);
    EXPECT_EQ(match.ball.lengthwise, 2.5f);

    match.possession = sim::Possession{0, 3, 5};
    match.ball = sim::Ball{7.0f, 7.0f};
    steps.carryBall();
    EXPECT_EQ(match.ball.lateral, 7.0f);
}

TEST_F(PossessionTest, NobodyTakesTheBallUntilTheTimerPassesTen) {
    match.team1.outfield[0] = sim::OutfieldPlayer{0.0f, 50.5f, 0.0f, 0};
    match.possession = sim::Possession{2, 3, 9};
    steps.updatePossession();
    EXPECT_EQ(match.possession.team, 2);
    EXPECT_EQ(match.possession.timer, 10);
    steps.updatePossession();
    EXPECT_EQ(match.possession.team, 1);
    EXPECT_EQ(match.possession.holder, 1);
    EXPECT_EQ(match.possession.timer, 0);
}

TEST_F(PossessionTest, ADistanceOfExactlyOneDoesNotTakeTheBall) {
    match.team1.outfield[1] = sim::OutfieldPlayer{0.0f, 51.0f, 0.0f, 0};
    steps.updatePossession();
    EXPECT_EQ(match.possession.team, 0);
    match.team1.outfield[1].lengthwise = 50.999f;
    steps.updatePossession();
    EXPECT_EQ(match.possession.team, 1);
    EXPECT_EQ(match.possession.holder, 2);
}

TEST_F(PossessionTest, TiesGoToTeamOneThenToOutfieldPlayersThenToTeamOnesKeeper) {
    match.team2.outfield[0] = sim::OutfieldPlayer{0.5f, 50.0f, 0.0f, 0};
    match.team1.outfield[4] = sim::OutfieldPlayer{-0.5f, 50.0f, 0.0f, 0};
    steps.updatePossession();
    EXPECT_EQ(match.possession.team, 1);
    EXPECT_EQ(match.possession.holder, 5);

    // Only the keepers near a ball on the goal line: team 1's keeper is first.
    SimTest::clearPlayersAwayFromBall();
    match.possession = sim::Possession{0, 0, 20};
    match.team1.outfield[3] = sim::OutfieldPlayer{0.0f, 2.6f, 0.0f, 0};
    match.ball = sim::Ball{0.0f, 2.5f};
    steps.updatePossession();
    EXPECT_EQ(match.possession.team, 1);
    EXPECT_EQ(match.possession.holder, 4);
    match.team1.outfield[3].lengthwise = 40.0f;
    match.possession = sim::Possession{0, 0, 20};
    steps.updatePossession();
    EXPECT_EQ(match.possession.team, 1);
    EXPECT_EQ(match.possession.holder, 0);
}

TEST_F(PossessionTest, TheHolderCannotRetakeButATeammateCan) {
    match.team1.outfield[0] = sim::OutfieldPlayer{0.0f, 49.5f, 0.0f, 0};
    match.team1.outfield[1] = sim::OutfieldPlayer{0.3f, 50.3f, 0.0f, 0};
    match.possession = sim::Possession{1, 1, 20};
    steps.updatePossession();
    EXPECT_EQ(match.possession.holder, 2);
}

TEST_F(PossessionTest, TakingTheBallStopsBothFlightsButKeepsThePassDirection) {
    match.team2.outfield[1] = sim::OutfieldPlayer{0.0f, 50.5f, 0.0f, 0};
    match.pass = sim::BallFlight{1, 4, 1.5f, 33.0f};
    match.shot = sim::BallFlight{1, 3, 2.5f, 44.0f};
    match.passWait = 17;
    steps.updatePossession();
    EXPECT_EQ(match.possession.team, 2);
    EXPECT_EQ(match.pass.active, 0);
    EXPECT_EQ(match.pass.ticks, 0);
    EXPECT_EQ(match.pass.speed, 0.0f);
    EXPECT_EQ(match.pass.direction, 33.0f);
    EXPECT_EQ(match.shot.active, 0);
    EXPECT_EQ(match.shot.direction, 0.0f);
    EXPECT_EQ(match.passWait, 0);
}

TEST_F(PossessionTest, APassGoesToTheHighestNumberedTeammateAhead) {
    sim::OutfieldPlayer* team1 = match.team1.outfield;
    team1[0] = sim::OutfieldPlayer{0.0f, 30.0f, 0.0f, 0};    // the holder
    team1[1] = sim::OutfieldPlayer{-10.0f, 45.0f, 0.0f, 0};  // ahead
    team1[2] = sim::OutfieldPlayer{-20.0f, 20.0f, 0.0f, 0};  // behind
    team1[3] = sim::OutfieldPlayer{20.0f, 60.0f, 0.0f, 0};   // ahead: the receiver
    team1[4] = sim::OutfieldPlayer{-20.0f, 29.0f, 0.0f, 0};  // behind
    match.ball = sim::Ball{0.0f, 30.5f};
    match.possession = sim::Possession{1, 1, 11};
    match.passWait = 11;
    const std::uint32_t start = random.state;
    steps.decidePass();
    EXPECT_EQ(drawsSince(start), 0);
    EXPECT_EQ(match.possession.team, 0);
    EXPECT_EQ(match.pass.active, 1);
    EXPECT_EQ(match.pass.direction, sim::bearingTo(0.0f, 30.5f, 20.0f, 65.0f, 0.0f));
    EXPECT_EQ(match.pass.speed,
              static_cast<float>(std::sqrt(static_cast<float>(400.0 + 34.5 * 34.5)) / 15.0));
    // Fifteen steps land on the target, up to the 3.1415 of the angle.
    for (int tick = 0; tick < 15; ++tick) {
        steps.advancePass();
    }
    EXPECT_NEAR(match.ball.lateral, 20.0, 0.01);
    EXPECT_NEAR(match.ball.lengthwise, 65.0, 0.01);
    EXPECT_EQ(match.pass.active, 0);
    EXPECT_EQ(match.passWait, 0);
}

TEST_F(PossessionTest, TeamTwoPassesTowardsLengthwiseZero) {
    sim::OutfieldPlayer* team2 = match.team2.outfield;
    team2[0] = sim::OutfieldPlayer{-10.0f, 60.0f, 0.0f, 0};  // ahead (lower lengthwise)
    team2[1] = sim::OutfieldPlayer{0.0f, 80.0f, 0.0f, 0};
    for (int i = 2; i < 5; ++i)
        team2[i].lengthwise = 99.0f;  // behind the ball
    match.ball = sim::Ball{0.0f, 97.5f};
    match.possession = sim::Possession{2, 0, 11};  // the keeper passes
    match.passWait = 11;
    steps.decidePass();
    // Player 2 is the highest-numbered player ahead; its target is 5 short of it.
    EXPECT_EQ(match.pass.direction, sim::bearingTo(0.0f, 97.5f, 0.0f, 75.0f, 0.0f));
}

TEST_F(PossessionTest, PassesWaitForElevenTicksAndForTheFlightToEnd) {
    match.team1.outfield[4] = sim::OutfieldPlayer{-20.0f, 60.0f, 0.0f, 0};
    match.possession = sim::Possession{1, 1, 11};
    match.passWait = 10;
    steps.decidePass();
    EXPECT_EQ(match.passWait, 11);
    EXPECT_EQ(match.pass.active, 0);
    match.pass.active = 1;
    steps.decidePass();
    EXPECT_EQ(match.passWait, 12);
    // With nobody ahead the holder keeps the ball and passWait stays.
    match.pass.active = 0;
    match.team1.outfield[4].lengthwise = 10.0f;
    steps.decidePass();
    EXPECT_EQ(match.passWait, 12);
    EXPECT_EQ(match.possession.team, 1);
}

TEST_F(PossessionTest, ShotTargetsAreTenthsFromMinusFiveToFourPointNine) {
    match.team1.outfield[4] = sim::OutfieldPlayer{-10.0f, 80.0f, 0.0f, 0};
    for (int v = 0; v < 100; ++v) {
        match.ball = sim::Ball{1.0f, 80.5f};
        match.possession = sim::Possession{1, 5, 3};
        match.shot = sim::BallFlight{};
        arrangeDraws({{10, 5}, {100, v}});
        steps.decideShot();
        const float t = static_cast<float>((v - 50) * 0.1);
        ASSERT_EQ(match.shot.active, 1) << v;
        EXPECT_EQ(match.shot.direction, sim::bearingTo(1.0f, 80.5f, t, 101.0f, 0.0f)) << v;
        EXPECT_EQ(match.possession.team, 0);
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
        match.possession = c.possession;
        match.ball = sim::Ball{0.0f, c.lengthwise};
        match.shot = sim::BallFlight{};
        arrangeDraws({{10, 5}});
        const std::uint32_t start = random.state;
        steps.decideShot();
        EXPECT_EQ(drawsSince(start), c.draws) << c.possession.team << "/" << c.possession.holder;
        EXPECT_EQ(match.shot.active, c.shoots ? 1 : 0);
    }
    // A shot in flight makes no draw.
    match.ball = sim::Ball{0.0f, 80.0f};
    match.shot.active = 1;
    const std::uint32_t start = random.state;
    steps.decideShot();
    EXPECT_EQ(drawsSince(start), 0);
}

TEST_F(PossessionTest, ShotEndClearsTheFlightButNotPassWait) {
    match.shot = sim::BallFlight{1, 14, 1.0f, 0.0f};
    match.passWait = 5;
    steps.advanceShot();
    EXPECT_EQ(match.shot.active, 0);
    EXPECT_EQ(match.shot.ticks, 0);
    EXPECT_EQ(match.shot.speed, 0.0f);
    EXPECT_EQ(match.passWait, 5);
    EXPECT_EQ(match.ball.lengthwise, 51.0f);
}

TEST_F(PossessionTest, TheTickRunsItsStepsInOrder) {
    // A long run from a kick-off stays finite and keeps every count in range.
    sim::resetMatch(match, random);
    for (int tick = 0; tick < 20000; ++tick) {
        sim::matchTick(match, random);
        ASSERT_TRUE(std::isfinite(match.ball.lateral));
        ASSERT_LE(match.goalCelebration, 41);
        ASSERT_LE(match.pass.ticks, 15);
        ASSERT_GE(match.team1.keeperLateral, -3.5f);
        ASSERT_LE(match.team2.keeperLateral, 3.5f);
    }
    EXPECT_GT(match.goalsTeam1 + match.goalsTeam2, 0);
}

}  // namespace
