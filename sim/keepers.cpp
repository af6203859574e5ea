// keepers.cpp -- the goalkeepers sliding along their lines, and goal kicks.
#include "common/numeric.h"
#include "sim/tick_steps.h"

namespace sim {

// Keepers slide by the double-precision 0.3 (the players run by the single one).
static constexpr double kKeeperStep = 0.3;

void TickSteps::moveKeeper(int team) {
    float& keeper = teamRecord(team).keeperLateral;
    const float ball = match.ball.lateral;
    if (keeper > ball)
        keeper = common::toSingle(keeper - kKeeperStep);
    if (keeper < ball)
        keeper = common::toSingle(keeper + kKeeperStep);
    if (keeper < -3.5)
        keeper = -3.5f;
    if (keeper > 3.5)
        keeper = 3.5f;
}

// One end's rule: the ball beyond that line beside the goal counts ticks on the
// shared timer and is put in front of that end's keeper on the 42nd.
void TickSteps::goalKickAtEnd(bool beyondLine, float keeperLateral, float ballLengthwise) {
    if (!beyondLine || insideGoalMouth(match.ball.lateral))
        return;
    if (match.goalKickTimer > 40) {
        match.ball = Ball{keeperLateral, ballLengthwise};
        match.goalKickTimer = 0;
    } else {
        match.goalKickTimer += 1;
    }
}

void TickSteps::checkGoalKick() {
    goalKickAtEnd(match.ball.lengthwise > 100.0, match.team2.keeperLateral, kKeeperBall2);
    goalKickAtEnd(match.ball.lengthwise < 0.0, match.team1.keeperLateral, kKeeperBall1);
}

}  // namespace sim
