// match_summary.h -- the short match report of `football-trace --summary`: events
// read off the state changes of each tick and frame, then printed once at the end.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "sim/match_state.h"

namespace tools {

// One goal as the report shows it.
struct GoalEvent {
    std::int64_t frame;
    int team;          // the side whose count grew
    int scorerTeam;    // who last had the ball: a different team is an own goal
    int scorerHolder;  // 0 the keeper, 1..5 an outfield player
    int goalsTeam1;    // the score right after the goal
    int goalsTeam2;
};

struct WeatherSwitch {
    std::int64_t frame;
    bool rainStarts;  // false: the rain starts thinning out
};

struct MatchReport {
    std::int64_t frames = 0;
    std::int64_t ticks = 0;
    std::vector<GoalEvent> goals;
    std::int64_t shotsOnTarget[2] = {};  // aimed inside the goal mouth, per team
    std::int64_t shotsOffTarget[2] = {};
    std::int64_t passesStarted[2] = {};
    std::int64_t passesCompleted[2] = {};  // next taker a teammate of the passer
    std::int64_t possessionTicks[3] = {};  // nobody, team 1, team 2: at the end of each tick
    std::int64_t goalKicks[2] = {};        // in front of team 1's keeper, team 2's keeper
    std::int64_t restarts = 0;             // match resets by the restart key or a toggle
    std::vector<WeatherSwitch> weather;
    int finalGoals[2] = {};

    // Who had the ball last (team 0: nobody yet), and the pass still waiting
    // for its taker (team 0: none).
    int lastTeam = 0;
    int lastHolder = 0;
    int passTeam = 0;
    int passer = 0;
};

// After a frame's simulation tick: reads what the tick changed between
// `before` and `after` (the match record on either side of it).
void observeTick(MatchReport& report, std::int64_t frame, const sim::MatchState& before,
                 const sim::MatchState& after);

// At the end of a frame: weather switches, restarts and the score.
void observeFrameEnd(MatchReport& report, std::int64_t frame, bool matchRestarted);

// The designed pace: two frames every 66 milliseconds.
constexpr std::int64_t kFrameMilliseconds = 33;

// The match time at the end of frame `frame` at the designed pace, as
// minutes:seconds ("1:48" for frame 3300), the seconds cut, not rounded.
std::string matchTime(std::int64_t frame);

// Prints the report, with the match time beside every frame number.
void writeReport(const MatchReport& report, std::FILE* out);

}  // namespace tools
