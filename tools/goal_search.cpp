// goal_search.cpp -- running the chosen matches without pictures up to a goal.
#include "tools/goal_search.h"

#include <memory>

#include "frame/frame_step.h"
#include "frame/replay_tape.h"
#include "frame/world.h"
#include "sim/match_state.h"
#include "sim/tick_steps.h"

namespace tools {

// Where the goal check counts towards a goal: beyond either goal line,
// inside the goal mouth.
static bool ballInGoal(const sim::Ball& ball) {
    return (ball.lengthwise > 100 || ball.lengthwise < 0) && sim::insideGoalMouth(ball.lateral);
}

bool findGoal(frame::World& world, std::int64_t goal, std::int64_t limit, GoalFrames& frames) {
    const sim::MatchState& match = world.match;
    world.keys = frame::KeyTable{};
    frame::initSceneState(world);
    const auto tape = std::make_unique<frame::ReplayTape>();
    std::int64_t goals = 0;
    std::int64_t inGoalSince = 0;  // first frame of the ball's stay in a goal; 0: not in one
    for (std::int64_t frame = 1; frame <= limit; ++frame) {
        const int before = match.goalsTeam1 + match.goalsTeam2;
        frame::stepFrame(world, *tape);
        if (match.goalsTeam1 + match.goalsTeam2 > before) {
            goals += 1;
            if (goals == goal) {
                // A ball that reached the goal in the awarding tick itself (an
                // earlier stay left the count nearly full) crossed in this frame.
                frames.crossing = inGoalSince != 0 ? inGoalSince : frame;
                frames.award = frame;
                return true;
            }
        }
        if (!ballInGoal(match.ball)) {
            inGoalSince = 0;
        } else if (inGoalSince == 0) {
            inGoalSince = frame;
        }
    }
    return false;
}

int findGoalFromStart(const frame::World& chosen, std::int64_t goal, std::int64_t limit,
                      GoalFrames& frames, std::string& error) {
    const auto world = std::make_unique<frame::World>(frame::initialWorld());
    // The matches as chosen before start-up: the same first seed and length,
    // and the goals replayed or not.
    world->series = chosen.series;
    world->replay.enabled = chosen.replay.enabled;
    frame::rewindMatchSeries(*world);
    const bool found = findGoal(*world, goal, limit, frames);
    if (!found) {
        error = "goal " + std::to_string(goal) + " does not happen within the first " +
                std::to_string(limit) + " frames of the match";
        return 1;
    }
    return 0;
}

}  // namespace tools
