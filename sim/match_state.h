// match_state.h -- the whole state of the match, the bearing, kick-off, reset and the tick.
#pragma once

#include "common/random.h"

namespace sim {

// Pitch frame: `lengthwise` runs from the goal line at 0 to the one at 100,
// `lateral` across the pitch between the touchlines at -35 and +35. Headings
// are degrees: 0 towards lengthwise 100, 90 towards +lateral.

struct OutfieldPlayer {
    float lateral;
    float lengthwise;
    float heading;      // degrees, normally within 0..360
    int decisionTimer;  // ticks since the last heading decision; 30 at program start
};

struct Team {
    OutfieldPlayer outfield[5];  // players 1..5 at indices 0..4; 1-3 defend, 4-5 attack
    float keeperLateral;         // the keeper's lengthwise place is fixed (2 or 98)
};

struct Ball {
    float lateral;
    float lengthwise;
};

struct Possession {
    int team;    // 0 nobody (loose or in flight), 1 or 2
    int holder;  // 0 the keeper, 1..5 an outfield player; stale while team is 0
    int timer;   // ticks since the last change of possession
};

struct BallFlight {
    int active;  // 1 while the flight lasts
    int ticks;   // steps flown, 0..15
    float speed;
    float direction;  // degrees
};

struct MatchState {
    Team team1;  // defends lengthwise 0, attacks towards 100
    Team team2;  // defends lengthwise 100, attacks towards 0
    Ball ball;
    Possession possession;
    BallFlight pass;
    BallFlight shot;
    int passWait;  // ticks counted before a pass may be considered
    int goalsTeam1;
    int goalsTeam2;
    int goalCelebration;  // ticks the ball has lain inside a goal, 0..41
    int goalKickTimer;    // ticks the ball has lain beyond a goal line outside the goal
    int warmUpFrames;     // frames since the last reset; counted by the frame driver
};

// The values the record holds at program start (before the first reset). The
// match is one member of the world (frame/world.h), written only by the
// functions below, except that the frame driver counts warmUpFrames.
MatchState initialMatchState();

// Starts a new match: one draw r(2) picks the kicking side (non-zero: team 1),
// goals and warm-up go to 0. Nothing else is reset. Called by every scene
// initialisation (start-up, window re-creation) and by the camera keys in
// every frame the restart key is held.
void resetMatch(MatchState& match, common::Random& random);

// Places both teams, both keepers, the ball and possession for a kick-off by
// team 1 or team 2. Called by resetMatch and, after a goal, by the goal check.
void kickOff(MatchState& match, int kickingTeam);

// The heading in degrees from (fromLateral, fromLengthwise) to
// (toLateral, toLengthwise), in the program's single-precision steps; used by
// the players' chase and by every pass and shot. Two coincident points have
// no bearing: the caller's current heading comes back unchanged, so nothing
// becomes NaN.
float bearingTo(float fromLateral, float fromLengthwise, float toLateral, float toLengthwise,
                float currentHeading);

// One simulation tick, once per frame after the warm-up. The frame driver
// runs it in two halves because the figures' stride counters advance between
// the keeper step and the possession step; matchTick() runs both halves back
// to back (tests, benchmarks).
// carry the ball, move the ten players, move the two keepers
void matchTickMovement(MatchState& match, common::Random& random);
// possession, pass, shot, goal kick, goal
void matchTickBall(MatchState& match, common::Random& random);
void matchTick(MatchState& match, common::Random& random);

}  // namespace sim
