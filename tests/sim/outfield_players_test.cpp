// outfield_players_test.cpp -- heading decisions, their draws, running and zone clamps.
#include <cmath>

#include "sim_fixture.h"

namespace {

using sim_test::SimTest;

sim::OutfieldPlayer& player(sim::MatchState& match, int team, int number) {
    return (team == 1 ? match.team1 : match.team2).outfield[number - 1];
}

// Puts a player in the middle of its zone with a given timer and heading.
void placeMidZone(sim::MatchState& match, int team, int number, int timer, float heading) {
    sim::OutfieldPlayer& p = player(match, team, number);
    p.lateral = team == 1 ? 20.0f : -20.0f;  // players 1 and 4 of team 1, 1 and 4 of team 2
    p.lengthwise = 50.0f;
    p.heading = heading;
    p.decisionTimer = timer;
}

TEST_F(SimTest, FirstTickLeavesEveryTimerAtThirtyOneUnlessThePlayerDecided) {
    sim::resetMatch(match, random);
    sim::matchTick(match, random);
    for (int team = 1; team <= 2; ++team) {
        for (int number = 1; number <= 5; ++number) {
            const int timer = player(match, team, number).decisionTimer;
            EXPECT_TRUE(timer == 31 || timer == 0) << team << "/" << number << ": " << timer;
        }
    }
}

TEST_F(SimTest, FirstTickMovesTheKickingCentrePlayersToTheirZoneEdge) {
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        match = sim::initialMatchState();
        sim::kickOff(match, seed % 2 == 0 ? 1 : 2);
        random.state = seed * 7919u;
        sim::matchTick(match, random);
        const int kicking = seed % 2 == 0 ? 1 : 2;
        // The one at lateral 1 ends at 5 facing +lateral, the one at -3 at -5 facing -lateral.
        const sim::OutfieldPlayer& right = player(match, kicking, kicking == 1 ? 4 : 5);
        const sim::OutfieldPlayer& left = player(match, kicking, kicking == 1 ? 5 : 4);
        EXPECT_EQ(right.lateral, 5.0f);
        EXPECT_EQ(right.heading, 90.0f);
        EXPECT_EQ(left.lateral, -5.0f);
        EXPECT_EQ(left.heading, 270.0f);
    }
}

TEST_F(SimTest, TeamOneAttackConeCoversThreeThirtyToTwentyNine) {
    match.possession = sim::Possession{1, 2, 20};
    for (int d = 0; d < 60; ++d) {
        placeMidZone(match, 1, 1, 30, 123.0f);
        arrangeDraws({{10, 5}, {100, -1}, {60, d}});
        const std::uint32_t start = random.state;
        steps.moveOutfieldPlayer(1, 1);
        EXPECT_EQ(player(match, 1, 1).heading, static_cast<float>(d < 30 ? d + 330 : d - 30)) << d;
        EXPECT_EQ(player(match, 1, 1).decisionTimer, 0);
        EXPECT_EQ(drawsSince(start), 3);
    }
}

TEST_F(SimTest, TeamTwoAttackConeNeverReachesOneFiftyOrTwoTen) {
    match.possession = sim::Possession{2, 2, 20};
    for (int d = 1; d < 60; ++d) {
        placeMidZone(match, 2, 1, 31, 0.0f);
        arrangeDraws({{10, 5}, {100, -1}, {60, d}});
        steps.moveOutfieldPlayer(2, 1);
        EXPECT_EQ(player(match, 2, 1).heading, static_cast<float>(d + 150)) << d;
    }
    // d = 0 takes one more draw: 180 - r(30), so 151..180.
    for (int v = 0; v < 30; ++v) {
        placeMidZone(match, 2, 1, 31, 0.0f);
        arrangeDraws({{10, 5}, {100, -1}, {60, 0}, {30, v}});
        const std::uint32_t start = random.state;
        steps.moveOutfieldPlayer(2, 1);
        EXPECT_EQ(player(match, 2, 1).heading, static_cast<float>(180 - v)) << v;
        EXPECT_EQ(drawsSince(start), 4);
    }
}

TEST_F(SimTest, ChasingPlayersMakeTheOtherConesDrawsThenHeadForTheBall) {
    match.ball = sim::Ball{20.0f, 60.0f};  // straight ahead of a team 1 player at (20, 50)
    match.possession = sim::Possession{2, 3, 20};
    // Team 1 chases: r(60) and, when it is 0, r(30) as team 2's cone would.
    placeMidZone(match, 1, 1, 31, 200.0f);
    arrangeDraws({{10, 5}, {100, -1}, {60, 0}});
    std::uint32_t start = random.state;
    steps.moveOutfieldPlayer(1, 1);
    EXPECT_EQ(drawsSince(start), 4);
    EXPECT_EQ(player(match, 1, 1).heading, sim::bearingTo(20, 50, 20, 60, 0));

    placeMidZone(match, 1, 1, 31, 200.0f);
    arrangeDraws({{10, 5}, {100, -1}, {60, 7}});
    start = random.state;
    steps.moveOutfieldPlayer(1, 1);
    EXPECT_EQ(drawsSince(start), 3);

    // Team 2 chases with team 1's single r(60), even when it is 0.
    match.possession = sim::Possession{1, 3, 20};
    placeMidZone(match, 2, 1, 31, 0.0f);
    arrangeDraws({{10, 5}, {100, -1}, {60, 0}});
    start = random.state;
    steps.moveOutfieldPlayer(2, 1);
    EXPECT_EQ(drawsSince(start), 3);
    EXPECT_EQ(player(match, 2, 1).heading, sim::bearingTo(-20, 50, 20, 60, 0));
}

TEST_F(SimTest, WaitingPlayersDrawNothingAndDeciderMissesDrawOnce) {
    match.possession = sim::Possession{1, 4, 20};
    placeMidZone(match, 1, 1, 29, 0.0f);
    std::uint32_t start = random.state;
    steps.moveOutfieldPlayer(1, 1);
    EXPECT_EQ(player(match, 1, 1).decisionTimer, 30);
    EXPECT_EQ(drawsSince(start), 0);

    // Timer past 30 but the draw is not 5: one draw, the timer keeps counting.
    arrangeDraws({{10, 4}});
    start = random.state;
    steps.moveOutfieldPlayer(1, 1);
    EXPECT_EQ(player(match, 1, 1).decisionTimer, 31);
    EXPECT_EQ(drawsSince(start), 1);
}

TEST_F(SimTest, ALooseBallLetsPlayersDecideOnAnyTick) {
    match.possession = sim::Possession{0, 4, 20};
    match.ball = sim::Ball{25.0f, 50.0f};
    placeMidZone(match, 1, 1, 3, 0.0f);
    arrangeDraws({{10, 5}, {100, -1}, {60, 3}});
    steps.moveOutfieldPlayer(1, 1);
    EXPECT_EQ(player(match, 1, 1).decisionTimer, 0);
    EXPECT_EQ(player(match, 1, 1).heading, sim::bearingTo(20, 50, 25, 50, 0));
}

TEST_F(SimTest, APlayerOnTheBallKeepsItsHeadingInsteadOfBecomingNotANumber) {
    match.possession = sim::Possession{0, 4, 20};
    placeMidZone(match, 1, 1, 31, 33.0f);
    match.ball = sim::Ball{20.0f, 50.0f};
    arrangeDraws({{10, 5}, {100, -1}, {60, 3}});
    steps.moveOutfieldPlayer(1, 1);
    EXPECT_EQ(player(match, 1, 1).heading, 33.0f);
    EXPECT_FALSE(std::isnan(player(match, 1, 1).lateral));
}

TEST_F(SimTest, ZoneClampsLateralBeforeLengthwiseSoTheCornerFacesAlongThePitch) {
    match.possession = sim::Possession{1, 4, 20};
    struct Case {
        int team, number;
        float lateral, lengthwise, heading;
        float wantLateral, wantLengthwise, wantHeading;
    };
    const Case cases[] = {
        {1, 4, 35.0f, 95.0f, 45.0f, 35.0f, 95.0f, 180.0f},   // far corner of the right wing
        {1, 5, -35.0f, 40.0f, 225.0f, -35.0f, 40.0f, 0.0f},  // near corner of the left wing
        {1, 4, 35.0f, 60.0f, 90.0f, 35.0f, 60.0f, 270.0f},   // touchline only
        {2, 2, -15.0f, 50.0f, 225.0f, -15.0f, 50.0f, 0.0f},  // team 2 centre back, near corner
        {2, 4, -5.0f, 5.0f, 135.0f, -5.0f, 5.0f, 0.0f},      // team 2 forward at its far end
    };
    for (const Case& c : cases) {
        sim::OutfieldPlayer& p = player(match, c.team, c.number);
        p = sim::OutfieldPlayer{c.lateral, c.lengthwise, c.heading, 0};
        steps.moveOutfieldPlayer(c.team, c.number);
        SCOPED_TRACE(testing::Message() << c.team << "/" << c.number);
        EXPECT_EQ(p.lateral, c.wantLateral);
        EXPECT_EQ(p.heading, c.wantHeading);
        if (c.wantHeading != 270.0f) {
            EXPECT_EQ(p.lengthwise, c.wantLengthwise);
        }
    }
}

}  // namespace
