// tick_steps.h -- the steps of one simulation tick and the helpers they share;
// internal to sim/, called only by matchTick (match_state.cpp) and the tests.
#pragma once

#include "common/random.h"
#include "sim/match_state.h"

namespace sim {

// Team 1's keeper stands at lengthwise 2 and holds or places the ball at 2.5;
// team 2's at 98 and 97.5.
constexpr float kKeeperLengthwise1 = 2.0f;
constexpr float kKeeperLengthwise2 = 98.0f;
constexpr float kKeeperBall1 = 2.5f;
constexpr float kKeeperBall2 = 97.5f;

// The goal mouth is the open interval -3.5 < lateral < 3.5 on either goal line.
inline bool insideGoalMouth(float lateral) {
    return lateral > -3.5 && lateral < 3.5;
}

// Distance between two pitch points: the sum of the squares in double
// precision, rounded to single, then the single-precision square root.
float pitchDistance(float fromLateral, float fromLengthwise, float toLateral, float toLengthwise);

// The steps of one tick on one match record and the generator it draws from.
// matchTickMovement and matchTickBall make one for their steps; the tests make
// their own to run a single step.
struct TickSteps {
    MatchState& match;
    common::Random& random;

    // Team 1 or 2 of the match record.
    Team& teamRecord(int team) { return team == 1 ? match.team1 : match.team2; }
    // r(n): one draw taken modulo n.
    int r(int n) { return common::drawRandomBelow(random, n); }

    // Step 1 (possession.cpp): the holder dribbles the ball half a unit ahead.
    void carryBall();
    // Step 2 (outfield_players.cpp): one tick of player `number` (1..5) of team 1 or 2.
    void moveOutfieldPlayer(int team, int number);
    // Step 3 (keepers.cpp): one tick of the keeper of team 1 or 2.
    void moveKeeper(int team);
    // Steps 4 to 6 (possession.cpp): taking the ball, passes and shots.
    void updatePossession();
    void decidePass();
    void advancePass();
    void decideShot();
    void advanceShot();
    // Step 7 (keepers.cpp): a ball out beyond a goal line beside the goal is put
    // back in front of that end's keeper after 41 ticks.
    void checkGoalKick();
    // Step 8 (goals.cpp): a ball lying in a goal counts as a goal on its 42nd tick.
    void checkGoal();

  private:
    float attackConeHeading(int team);
    void discardOtherConeDraws(int team);
    void decideHeading(OutfieldPlayer& player, int team);
    void takeBall(int team, int holder);
    bool canTake(int team, int holder, float lateral, float lengthwise);
    void launch(BallFlight& flight, float targetLateral, float targetLengthwise);
    void passForward(int team, int ahead);
    bool flyBall(BallFlight& flight);
    void tryShot(int team, float targetLengthwise);
    void goalKickAtEnd(bool beyondLine, float keeperLateral, float ballLengthwise);
    void goalAtEnd(bool beyondLine, int& scorerGoals, int concedingTeam);
};

}  // namespace sim
