// match_statistics.cpp -- the statistics record and its counting from the state changes.
#include "frame/match_statistics.h"

#include <cmath>
#include <cstdio>

#include "common/numeric.h"
#include "render/rain_field.h"

namespace frame {

MatchStatistics initialMatchStatistics() {
    return MatchStatistics{};
}

void countFrame(MatchStatistics& statistics, bool paused) {
    statistics.frames += 1;
    if (!paused)
        statistics.matchFrames += 1;
}

// Where a shot that started this tick was aimed: it has flown one of its 15
// steps, so the target lies 14 more steps along. Targets are whole tenths, so
// rounding to tenths recovers them exactly.
static bool shotOnTarget(const sim::MatchState& after) {
    const double angle = common::simulationRadians(after.shot.direction);
    const double lateral = after.ball.lateral + 14.0 * after.shot.speed * std::sin(angle);
    const long tenths = std::lround(lateral * 10.0);
    return tenths > -35 && tenths < 35;
}

void observeTick(MatchStatistics& statistics, std::int64_t frame, const sim::MatchState& before,
                 const sim::MatchState& after) {
    MatchTally& tally = statistics.total;
    tally.ticks += 1;

    // A goal: a count grew. The ball has lain in the goal for 41 ticks, so the
    // scorer is whoever had it last before this tick.
    const int grew = after.goalsTeam1 > before.goalsTeam1   ? 1
                     : after.goalsTeam2 > before.goalsTeam2 ? 2
                                                            : 0;
    if (ballInGoal(after.ball) && !ballInGoal(before.ball))
        statistics.crossedAt = statistics.matchFrames;
    if (grew != 0) {
        statistics.latestGoals[statistics.goals % kKeptGoals] = GoalEvent{frame,
                                                                          statistics.matchFrames,
                                                                          grew,
                                                                          statistics.lastTeam,
                                                                          statistics.lastHolder,
                                                                          after.goalsTeam1,
                                                                          after.goalsTeam2,
                                                                          statistics.crossedAt};
        statistics.goals += 1;
        statistics.passTeam = 0;
    }

    // A flight that started this tick has made exactly one step. A shot flies
    // towards lengthwise 101 (team 1) or -1 (team 2) from the attacking third,
    // and its shooter may have taken the ball in this very tick.
    const bool passStarted = after.pass.active == 1 && after.pass.ticks == 1;
    const bool shotStarted = after.shot.active == 1 && after.shot.ticks == 1;
    const int shotTeam = after.ball.lengthwise > 50.0f ? 1 : 2;

    // Somebody took the ball: the possession timer starts again at 0. A pass
    // is completed when its taker is a teammate of the passer.
    if (after.possession.timer == 0 && grew == 0) {
        const int takerTeam = shotStarted ? shotTeam : after.possession.team;
        const int taker = after.possession.holder;
        if (statistics.passTeam != 0 && takerTeam == statistics.passTeam &&
            taker != statistics.passer) {
            tally.passesCompleted[statistics.passTeam - 1] += 1;
        }
        statistics.passTeam = 0;
        statistics.lastTeam = takerTeam;
        statistics.lastHolder = taker;
    }
    if (passStarted && before.possession.team != 0) {
        const int team = before.possession.team;
        tally.passesStarted[team - 1] += 1;
        statistics.passTeam = team;
        statistics.passer = after.possession.holder;
    }
    if (shotStarted) {
        (shotOnTarget(after) ? tally.shotsOnTarget : tally.shotsOffTarget)[shotTeam - 1] += 1;
        statistics.lastTeam = shotTeam;
        statistics.lastHolder = after.possession.holder;
    }
    if (after.possession.team != 0 && grew == 0) {
        statistics.lastTeam = after.possession.team;
        statistics.lastHolder = after.possession.holder;
    }

    if (before.goalKickTimer > 40 && after.goalKickTimer == 0)
        tally.goalKicks[after.ball.lengthwise > 50.0f ? 1 : 0] += 1;
    tally.possessionTicks[after.possession.team] += 1;
}

void observeFrameEnd(MatchStatistics& statistics, const render::RainField& rain) {
    if (rain.clock == 0) {
        statistics.latestWeather = WeatherSwitch{statistics.frames, rain.raining != 0};
        statistics.weatherSwitches += 1;
    }
}

void startMatchStatistics(MatchStatistics& statistics) {
    if (statistics.frames != statistics.newMatchFrame)
        statistics.restarts += 1;
    statistics.newMatchFrame = statistics.frames;
    statistics.matchFrames = 0;
    statistics.atMatchStart = statistics.total;
    statistics.matchFirstGoal = statistics.goals;
    statistics.passTeam = 0;
    statistics.crossedAt = 0;
}

MatchTally currentMatchTally(const MatchStatistics& statistics) {
    const MatchTally& total = statistics.total;
    const MatchTally& start = statistics.atMatchStart;
    MatchTally tally = {};
    tally.ticks = total.ticks - start.ticks;
    for (int i = 0; i < 2; ++i) {
        tally.shotsOnTarget[i] = total.shotsOnTarget[i] - start.shotsOnTarget[i];
        tally.shotsOffTarget[i] = total.shotsOffTarget[i] - start.shotsOffTarget[i];
        tally.passesStarted[i] = total.passesStarted[i] - start.passesStarted[i];
        tally.passesCompleted[i] = total.passesCompleted[i] - start.passesCompleted[i];
        tally.goalKicks[i] = total.goalKicks[i] - start.goalKicks[i];
    }
    for (int i = 0; i < 3; ++i)
        tally.possessionTicks[i] = total.possessionTicks[i] - start.possessionTicks[i];
    return tally;
}

// The whole seconds at the end of `frames` frames, in two parts, so that no
// frame count of 18 digits overflows.
static std::int64_t secondsOf(std::int64_t frames) {
    return frames / 1000 * kFrameMilliseconds + frames % 1000 * kFrameMilliseconds / 1000;
}

std::string matchTime(std::int64_t frames) {
    const std::int64_t seconds = secondsOf(frames);
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld", static_cast<long long>(seconds / 60),
                  static_cast<long long>(seconds % 60));
    return text;
}

std::int64_t matchMinute(std::int64_t frames) {
    return secondsOf(frames) / 60 + 1;
}

bool ballInGoal(const sim::Ball& ball) {
    return (ball.lengthwise > 100.0f || ball.lengthwise < 0.0f) && ball.lateral > -3.5f &&
           ball.lateral < 3.5f;
}

}  // namespace frame
