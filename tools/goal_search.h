// goal_search.h -- finding the frames of a goal of the default match, for the
// record tool's --goal replays.
#pragma once

#include <cstdint>
#include <string>

#include "frame/world.h"

namespace tools {

// The longest the default match is searched for a goal.
constexpr std::int64_t kGoalSearchFrames = 1000000;

struct GoalFrames {
    // The first frame of the goal's celebration: the frame whose tick left the
    // ball lying beyond the goal line inside the goal (the ball stays there
    // until the award).
    std::int64_t crossing = 0;
    // The frame whose tick awarded the goal: a count grew, the other side kicks off.
    std::int64_t award = 0;
};

// Starts the match as the program does (initSceneState) in `world` and runs
// frames with no key held, without pictures (the goals before replayed when
// the world's replays are on), until the `goal`-th goal (1-based) is awarded;
// a replay of it would show its first picture in the award's frame. False when it is not awarded
// within `limit` frames. The tests call it directly.
bool findGoal(frame::World& world, std::int64_t goal, std::int64_t limit, GoalFrames& frames);

// Called by football-record's main before the recording, after the matches
// are chosen (frame::chooseMatches) in `chosen`: runs findGoal in a world of
// its own from program start with the same seed, match length and replays,
// so the recording starts where it would have. Returns 0 with the frames, or 1 with
// a one-line message in `error` when the goal does not happen within `limit`
// frames.
int findGoalFromStart(const frame::World& chosen, std::int64_t goal, std::int64_t limit,
                      GoalFrames& frames, std::string& error);

}  // namespace tools
