// match_statistics.h -- the match's statistics, counted once from the state changes of
// every frame: goals and scorers, shots, passes, possession, goal kicks, weather.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "render/rain_field.h"
#include "sim/match_state.h"

namespace frame {

// One goal.
struct GoalEvent {
    std::int64_t frame;        // frames since start-up
    std::int64_t matchFrames;  // the match clock of its match (MatchStatistics)
    int team;                  // the side whose count grew
    int scorerTeam;            // who last had the ball: a different team is an own goal
    int scorerHolder;          // 0 the keeper, 1..5 an outfield player
    int goalsTeam1;            // the score right after the goal
    int goalsTeam2;
    std::int64_t crossedAt;  // the match clock when the ball went in, 41 ticks before the award
};

struct WeatherSwitch {
    std::int64_t frame;
    bool rainStarts;  // false: the rain starts thinning out
};

// Counts of the simulation ticks, per team where two; possession is looked at
// after each tick (index 0: nobody, loose or in flight; 1, 2: the teams).
struct MatchTally {
    std::int64_t ticks;
    std::int64_t shotsOnTarget[2];  // aimed inside the goal mouth
    std::int64_t shotsOffTarget[2];
    std::int64_t passesStarted[2];
    std::int64_t passesCompleted[2];  // next taker a teammate of the passer
    std::int64_t possessionTicks[3];
    std::int64_t goalKicks[2];  // in front of team 1's keeper, team 2's keeper
};

// The latest goals the statistics keep (the panel lists three); the goals
// before them are counted, not kept, so that a week of play keeps its size.
constexpr int kKeptGoals = 8;

// One member of the world, alive for the whole run, advanced by the frame's
// state step (frame_step.h) in the program and the headless tools alike.
// Everything since start-up is counted; a new match (the restart key, a window
// re-creation) starts its own clock, and its counts are the totals less those
// at its start. A plain value: nothing in it grows.
struct MatchStatistics {
    std::int64_t frames;       // since start-up, paused ones too
    std::int64_t matchFrames;  // the current match's clock: its frames not paused
    MatchTally total;          // since start-up
    MatchTally atMatchStart;   // `total` when the current match began
    // The latest goals: goal n (0 the first since start-up) at n % kKeptGoals.
    GoalEvent latestGoals[kKeptGoals];
    std::int64_t goals;            // goals since start-up
    std::int64_t matchFirstGoal;   // the number of the current match's first goal
    std::int64_t weatherSwitches;  // since start-up
    WeatherSwitch latestWeather;   // the latest of them
    std::int64_t restarts;         // frames after start-up in which a new match began
    std::int64_t newMatchFrame;    // the frame of the latest new match
    // Who had the ball last (team 0: nobody yet), and the pass still waiting
    // for its taker (team 0: none).
    int lastTeam;
    int lastHolder;
    int passTeam;
    int passer;
    std::int64_t crossedAt;  // the match clock when the ball last went into a goal
};

// Goal number n (0 the first since start-up), for the latest kKeptGoals goals.
inline const GoalEvent& goalEvent(const MatchStatistics& statistics, std::int64_t n) {
    return statistics.latestGoals[n % kKeptGoals];
}

MatchStatistics initialMatchStatistics();

// At the start of every frame, after the pause keys: one more frame, and one
// more on the match clock unless paused.
void countFrame(MatchStatistics& statistics, bool paused);

// After a frame's simulation tick: reads what the tick changed between
// `before` and `after` (the match record on either side of it).
void observeTick(MatchStatistics& statistics, std::int64_t frame, const sim::MatchState& before,
                 const sim::MatchState& after);

// At the end of every frame, after the rain's step: a switch of the weather.
void observeFrameEnd(MatchStatistics& statistics, const render::RainField& rain);

// Whenever a new match begins (start-up, the restart key, a window
// re-creation): the match clock and counts start again.
void startMatchStatistics(MatchStatistics& statistics);

// The current match's counts.
MatchTally currentMatchTally(const MatchStatistics& statistics);

// The designed pace: two frames every 66 milliseconds.
constexpr std::int64_t kFrameMilliseconds = 33;

// The time at the end of `frames` frames at the designed pace, as
// minutes:seconds ("1:48" for 3300), the seconds cut, not rounded.
std::string matchTime(std::int64_t frames);

// The minute of play that the end of `frames` frames falls in, as a match
// report counts it: 1 for the first minute ("1:48" is the second).
std::int64_t matchMinute(std::int64_t frames);

// Whether the ball lies in a goal: beyond a goal line, within the goal's mouth.
bool ballInGoal(const sim::Ball& ball);

}  // namespace frame
