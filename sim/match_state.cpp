// match_state.cpp -- PLACEHOLDER until the simulation lands.
#include "sim/match_state.h"

#include <initializer_list>

#include "common/random.h"

namespace sim {

MatchState match = initialMatchState();

MatchState initialMatchState() {
    MatchState state = {};
    for (Team* team : {&state.team1, &state.team2}) {
        for (OutfieldPlayer& player : team->outfield) player.decisionTimer = 30;
    }
    state.passWait = 11;
    return state;
}

void kickOff(int) {}

void resetMatch() {
    kickOff(common::drawRandomBelow(2) != 0 ? 1 : 2);
    match.goalsTeam2 = 0;
    match.goalsTeam1 = 0;
    match.warmUpFrames = 0;
}

float bearingTo(float, float, float, float, float currentHeading) { return currentHeading; }

void matchTickMovement() {}
void matchTickBall() {}
void matchTick() {
    matchTickMovement();
    matchTickBall();
}

}  // namespace sim
