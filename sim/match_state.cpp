// match_state.cpp -- the match record, its start values, kick-off, reset, the bearing
// and the order of a tick's steps.
#include "sim/match_state.h"

#include "common/numeric.h"
#include "common/random.h"
#include "sim/tick_steps.h"

namespace sim {

MatchState initialMatchState() {
    MatchState state = {};
    for (OutfieldPlayer& player : state.team1.outfield)
        player.decisionTimer = 30;
    for (OutfieldPlayer& player : state.team2.outfield)
        player.decisionTimer = 30;
    state.passWait = 11;
    return state;
}

float pitchDistance(float fromLateral, float fromLengthwise, float toLateral, float toLengthwise) {
    const double lateral = static_cast<double>(toLateral) - fromLateral;
    const double lengthwise = static_cast<double>(toLengthwise) - fromLengthwise;
    return common::singleSqrt(common::toSingle(lateral * lateral + lengthwise * lengthwise));
}

float bearingTo(float fromLateral, float fromLengthwise, float toLateral, float toLengthwise,
                float currentHeading) {
    // Two coincident points have no direction; keep the caller's heading.
    if (fromLateral == toLateral && fromLengthwise == toLengthwise)
        return currentHeading;

    const float dx = common::toSingle(static_cast<double>(toLengthwise) - fromLengthwise);
    const float q =
        common::toSingle(dx / (static_cast<double>(toLateral) - static_cast<double>(fromLateral)));
    const float angle = common::toSingle(common::singleAtan(q) * common::kDegreesPerRadian);

    float bearing = angle;
    if (fromLateral > toLateral && fromLengthwise != toLengthwise) {
        bearing = common::toSingle(270.0 - angle);
    } else if (fromLateral < toLateral && fromLengthwise != toLengthwise) {
        bearing = common::toSingle(90.0 - angle);
    }
    if (bearing < 0.0)
        bearing = common::toSingle(bearing + 360.0);
    return bearing;
}

// Kick-off places (lateral, lengthwise, heading) of players 1..5.
struct Placement {
    float lateral;
    float lengthwise;
    float heading;
};

// Team 1's defenders and team 2's defenders stand the same for either side.
static constexpr Placement kTeam1Defenders[3] = {{25, 20, 0}, {0, 20, 0}, {-25, 20, 0}};
static constexpr Placement kTeam2Defenders[3] = {{-25, 80, 180}, {0, 80, 180}, {25, 80, 180}};
// The forwards: the kicking side's two stand on the halfway line facing each
// other across the ball, the other side's wait in their own half.
static constexpr Placement kTeam1ForwardsKicking[2] = {{1, 50, 270}, {-3, 50, 90}};
static constexpr Placement kTeam1ForwardsWaiting[2] = {{15, 40, 0}, {-15, 40, 0}};
static constexpr Placement kTeam2ForwardsKicking[2] = {{-3, 50, 90}, {1, 50, 270}};
static constexpr Placement kTeam2ForwardsWaiting[2] = {{-15, 60, 180}, {15, 60, 180}};

static void place(OutfieldPlayer& player, const Placement& at) {
    player.lateral = at.lateral;
    player.lengthwise = at.lengthwise;
    player.heading = at.heading;
}

void kickOff(MatchState& match, int kickingTeam) {
    const bool team1Kicks = kickingTeam == 1;
    for (int i = 0; i < 3; ++i) {
        place(match.team1.outfield[i], kTeam1Defenders[i]);
        place(match.team2.outfield[i], kTeam2Defenders[i]);
    }
    for (int i = 0; i < 2; ++i) {
        place(match.team1.outfield[3 + i],
              team1Kicks ? kTeam1ForwardsKicking[i] : kTeam1ForwardsWaiting[i]);
        place(match.team2.outfield[3 + i],
              team1Kicks ? kTeam2ForwardsWaiting[i] : kTeam2ForwardsKicking[i]);
    }
    match.team1.keeperLateral = 0.0f;
    match.team2.keeperLateral = 0.0f;
    match.ball = Ball{0.0f, 50.0f};
    match.possession.team = team1Kicks ? 1 : 2;
    match.possession.holder = team1Kicks ? 4 : 5;
}

void resetMatch(MatchState& match, common::Random& random) {
    kickOff(match, common::drawRandomBelow(random, 2) != 0 ? 1 : 2);
    match.goalsTeam2 = 0;
    match.goalsTeam1 = 0;
    match.warmUpFrames = 0;
}

void matchTickMovement(MatchState& match, common::Random& random) {
    TickSteps steps{match, random};
    steps.carryBall();
    for (int number = 1; number <= 5; ++number)
        steps.moveOutfieldPlayer(1, number);
    for (int number = 1; number <= 5; ++number)
        steps.moveOutfieldPlayer(2, number);
    steps.moveKeeper(1);
    steps.moveKeeper(2);
}

void matchTickBall(MatchState& match, common::Random& random) {
    TickSteps steps{match, random};
    steps.updatePossession();
    steps.decidePass();
    steps.advancePass();
    steps.decideShot();
    steps.advanceShot();
    steps.checkGoalKick();
    steps.checkGoal();
}

void matchTick(MatchState& match, common::Random& random) {
    matchTickMovement(match, random);
    matchTickBall(match, random);
}

}  // namespace sim
