// goals.cpp -- a ball lying in a goal: the celebration count, the goal and the kick-off.
#include "sim/tick_steps.h"

namespace sim {

// One goal's rule: the 42nd tick of the ball in the goal awards it and the
// side that conceded kicks off.
void TickSteps::goalAtEnd(bool beyondLine, int& scorerGoals, int concedingTeam) {
    if (!beyondLine || !insideGoalMouth(match.ball.lateral))
        return;
    if (match.goalCelebration > 40) {
        scorerGoals += 1;
        kickOff(match, concedingTeam);
        match.goalCelebration = 0;
    } else {
        match.goalCelebration += 1;
    }
}

void TickSteps::checkGoal() {
    goalAtEnd(match.ball.lengthwise > 100.0, match.goalsTeam1, 2);
    goalAtEnd(match.ball.lengthwise < 0.0, match.goalsTeam2, 1);
}

}  // namespace sim
