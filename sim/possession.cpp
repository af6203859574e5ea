// possession.cpp -- dribbling, taking the ball, and the flights of passes and shots.
#include <cmath>

#include "common/numeric.h"
#include "common/random.h"
#include "sim/tick_steps.h"

namespace sim {

// Flights take 15 ticks from the ball to their target.
static constexpr int kFlightTicks = 15;

void TickSteps::carryBall() {
    const int team = match.possession.team;
    if (team != 1 && team != 2)
        return;
    const Team& side = teamRecord(team);
    const int holder = match.possession.holder;
    if (holder == 0) {
        match.ball = Ball{side.keeperLateral, team == 1 ? kKeeperBall1 : kKeeperBall2};
        return;
    }
    const OutfieldPlayer& player = side.outfield[holder - 1];
    const double angle = common::simulationRadians(player.heading);
    match.ball.lateral = common::toSingle(player.lateral + 0.5 * std::sin(angle));
    match.ball.lengthwise = common::toSingle(player.lengthwise + 0.5 * std::cos(angle));
}

// Gives the ball to a candidate: both flights stop and the pass count starts again.
void TickSteps::takeBall(int team, int holder) {
    match.possession.team = team;
    match.possession.holder = holder;
    match.possession.timer = 0;
    match.pass.active = 0;
    match.pass.ticks = 0;
    match.pass.speed = 0.0f;
    match.shot = BallFlight{0, 0, 0.0f, 0.0f};
    match.passWait = 0;
}

// A candidate within (strictly) 1.0 of the ball who does not hold it already.
bool TickSteps::canTake(int team, int holder, float lateral, float lengthwise) {
    if (match.possession.team == team && match.possession.holder == holder)
        return false;
    return pitchDistance(lateral, lengthwise, match.ball.lateral, match.ball.lengthwise) < 1.0;
}

void TickSteps::updatePossession() {
    match.possession.timer += 1;
    if (match.possession.timer <= 10)
        return;
    // Fixed order: team 1's players, team 2's players, team 1's keeper, team
    // 2's keeper. The first one close enough wins; taking resets the timer, so
    // nobody after it can take the ball in this tick.
    for (int team = 1; team <= 2; ++team) {
        const Team& side = teamRecord(team);
        for (int number = 1; number <= 5; ++number) {
            const OutfieldPlayer& player = side.outfield[number - 1];
            if (canTake(team, number, player.lateral, player.lengthwise)) {
                takeBall(team, number);
                return;
            }
        }
    }
    if (canTake(1, 0, match.team1.keeperLateral, kKeeperLengthwise1)) {
        takeBall(1, 0);
    } else if (canTake(2, 0, match.team2.keeperLateral, kKeeperLengthwise2)) {
        takeBall(2, 0);
    }
}

// Starts a flight from the ball to the target point.
void TickSteps::launch(BallFlight& flight, float targetLateral, float targetLengthwise) {
    const Ball& ball = match.ball;
    flight.direction =
        bearingTo(ball.lateral, ball.lengthwise, targetLateral, targetLengthwise, flight.direction);
    flight.active = 1;
    flight.ticks = 0;
    flight.speed = common::toSingle(
        pitchDistance(ball.lateral, ball.lengthwise, targetLateral, targetLengthwise) /
        static_cast<double>(kFlightTicks));
    match.possession.team = 0;
}

// Passes to every teammate ahead of the ball in turn, so the last one (the
// highest-numbered) is the pass that flies. `ahead` is +1 for team 1 (towards
// lengthwise 100), -1 for team 2.
void TickSteps::passForward(int team, int ahead) {
    const Team& side = teamRecord(team);
    for (int number = 1; number <= 5; ++number) {
        const OutfieldPlayer& player = side.outfield[number - 1];
        const bool isAhead = ahead > 0 ? match.ball.lengthwise < player.lengthwise
                                       : match.ball.lengthwise > player.lengthwise;
        if (!isAhead || match.possession.holder == number)
            continue;
        launch(match.pass, player.lateral, common::toSingle(player.lengthwise + ahead * 5.0));
    }
}

void TickSteps::decidePass() {
    if (match.pass.active != 0 || match.passWait <= 10) {
        match.passWait += 1;
        return;
    }
    if (match.possession.team == 1)
        passForward(1, +1);
    if (match.possession.team == 2)
        passForward(2, -1);
}

// Moves the ball one tick along a flight; true when the flight has just ended.
bool TickSteps::flyBall(BallFlight& flight) {
    const double angle = common::simulationRadians(flight.direction);
    match.ball.lateral = common::toSingle(match.ball.lateral + std::sin(angle) * flight.speed);
    match.ball.lengthwise =
        common::toSingle(match.ball.lengthwise + std::cos(angle) * flight.speed);
    flight.ticks += 1;
    return flight.ticks >= kFlightTicks;
}

void TickSteps::advancePass() {
    if (match.pass.active != 1)
        return;
    if (flyBall(match.pass)) {
        match.pass.active = 0;
        match.pass.ticks = 0;
        match.pass.speed = 0.0f;
        match.passWait = 0;
    }
}

// One end's shot rule: the r(10) draw is made whoever has the ball; on a 5 a
// forward of `team` holding it shoots at a random point one unit beyond the line.
void TickSteps::tryShot(int team, float targetLengthwise) {
    const int draw = r(10);
    const int holder = match.possession.holder;
    if (draw != 5 || match.possession.team != team || (holder != 4 && holder != 5))
        return;
    const float targetLateral = common::toSingle((r(100) - 50) * 0.1);
    launch(match.shot, targetLateral, targetLengthwise);
}

void TickSteps::decideShot() {
    if (match.ball.lengthwise > 70.0 && match.shot.active == 0)
        tryShot(1, 101.0f);
    if (match.ball.lengthwise < 30.0 && match.shot.active == 0)
        tryShot(2, -1.0f);
}

void TickSteps::advanceShot() {
    if (match.shot.active != 1)
        return;
    if (flyBall(match.shot))
        match.shot = BallFlight{0, 0, 0.0f, 0.0f};
}

}  // namespace sim
