// match_summary.cpp -- deriving the match report from state changes, and printing it.
#include "tools/match_summary.h"

#include <cmath>
#include <cstdio>

#include "common/numeric.h"
#include "render/rain_field.h"

namespace tools {

static const char* const kTeamNames[3] = {"nobody", "DYNAMO", "SHAKHTAR"};

// Where a shot that started this tick was aimed: it has flown one of its 15
// steps, so the target lies 14 more steps along. Targets are whole tenths, so
// rounding to tenths recovers them exactly.
static bool shotOnTarget(const sim::MatchState& after) {
    const double angle = common::simulationRadians(after.shot.direction);
    const double lateral = after.ball.lateral + 14.0 * after.shot.speed * std::sin(angle);
    const long tenths = std::lround(lateral * 10.0);
    return tenths > -35 && tenths < 35;
}

void observeTick(MatchReport& report, std::int64_t frame, const sim::MatchState& before,
                 const sim::MatchState& after) {
    report.ticks += 1;

    // A goal: a count grew. The ball has lain in the goal for 41 ticks, so the
    // scorer is whoever had it last before this tick.
    const int grew = after.goalsTeam1 > before.goalsTeam1   ? 1
                     : after.goalsTeam2 > before.goalsTeam2 ? 2
                                                            : 0;
    if (grew != 0) {
        report.goals.push_back(GoalEvent{frame, grew, report.lastTeam, report.lastHolder,
                                         after.goalsTeam1, after.goalsTeam2});
        report.passTeam = 0;
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
        if (report.passTeam != 0 && takerTeam == report.passTeam && taker != report.passer) {
            report.passesCompleted[report.passTeam - 1] += 1;
        }
        report.passTeam = 0;
        report.lastTeam = takerTeam;
        report.lastHolder = taker;
    }
    if (passStarted && before.possession.team != 0) {
        const int team = before.possession.team;
        report.passesStarted[team - 1] += 1;
        report.passTeam = team;
        report.passer = after.possession.holder;
    }
    if (shotStarted) {
        (shotOnTarget(after) ? report.shotsOnTarget : report.shotsOffTarget)[shotTeam - 1] += 1;
        report.lastTeam = shotTeam;
        report.lastHolder = after.possession.holder;
    }
    if (after.possession.team != 0 && grew == 0) {
        report.lastTeam = after.possession.team;
        report.lastHolder = after.possession.holder;
    }

    if (before.goalKickTimer > 40 && after.goalKickTimer == 0) {
        report.goalKicks[after.ball.lengthwise > 50.0f ? 1 : 0] += 1;
    }
    report.possessionTicks[after.possession.team] += 1;
}

void observeFrameEnd(MatchReport& report, std::int64_t frame, bool matchRestarted) {
    report.frames = frame;
    if (render::rainField.clock == 0) {
        report.weather.push_back(WeatherSwitch{frame, render::rainField.raining != 0});
    }
    if (matchRestarted) {
        report.restarts += 1;
        report.passTeam = 0;
    }
    report.finalGoals[0] = sim::match.goalsTeam1;
    report.finalGoals[1] = sim::match.goalsTeam2;
}

std::string matchTime(std::int64_t frame) {
    // In two parts, so that no frame count of 18 digits overflows.
    const std::int64_t seconds =
        frame / 1000 * kFrameMilliseconds + frame % 1000 * kFrameMilliseconds / 1000;
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld", static_cast<long long>(seconds / 60),
                  static_cast<long long>(seconds % 60));
    return text;
}

static double share(std::int64_t part, std::int64_t whole) {
    return whole == 0 ? 0.0 : 100.0 * static_cast<double>(part) / static_cast<double>(whole);
}

static void writeScorer(const GoalEvent& goal, std::FILE* out) {
    if (goal.scorerTeam == 0) {
        std::fprintf(out, "scorer unknown");
    } else if (goal.scorerTeam != goal.team) {
        std::fprintf(out, "own goal, ");
    }
    if (goal.scorerTeam == 0)
        return;
    if (goal.scorerHolder == 0) {
        std::fprintf(out, "team %d keeper", goal.scorerTeam);
    } else {
        std::fprintf(out, "team %d player %d", goal.scorerTeam, goal.scorerHolder);
    }
}

void writeReport(const MatchReport& report, std::FILE* out) {
    std::fprintf(out, "Frames: %lld at %s (simulation ticks: %lld)\n",
                 static_cast<long long>(report.frames), matchTime(report.frames).c_str(),
                 static_cast<long long>(report.ticks));
    std::fprintf(out, "Final score: DYNAMO %d : %d SHAKHTAR\n", report.finalGoals[0],
                 report.finalGoals[1]);
    if (report.restarts > 0) {
        std::fprintf(out, "Match restarts: %lld (the goals below include earlier matches)\n",
                     static_cast<long long>(report.restarts));
    }
    std::fprintf(out, "Goals: %zu\n", report.goals.size());
    for (const GoalEvent& goal : report.goals) {
        std::fprintf(out, "  frame %lld at %s: %s (", static_cast<long long>(goal.frame),
                     matchTime(goal.frame).c_str(), kTeamNames[goal.team]);
        writeScorer(goal, out);
        std::fprintf(out, "), %d : %d\n", goal.goalsTeam1, goal.goalsTeam2);
    }
    for (int team = 1; team <= 2; ++team) {
        const int i = team - 1;
        std::fprintf(out,
                     "%s: shots %lld (on target %lld, off target %lld), passes started %lld, "
                     "completed %lld, goal kicks taken by its keeper %lld\n",
                     kTeamNames[team],
                     static_cast<long long>(report.shotsOnTarget[i] + report.shotsOffTarget[i]),
                     static_cast<long long>(report.shotsOnTarget[i]),
                     static_cast<long long>(report.shotsOffTarget[i]),
                     static_cast<long long>(report.passesStarted[i]),
                     static_cast<long long>(report.passesCompleted[i]),
                     static_cast<long long>(report.goalKicks[i]));
    }
    const std::int64_t* ticks = report.possessionTicks;
    std::fprintf(out,
                 "Possession in ticks: DYNAMO %lld (%.1f%%), SHAKHTAR %lld (%.1f%%), "
                 "loose or in flight %lld (%.1f%%)\n",
                 static_cast<long long>(ticks[1]), share(ticks[1], report.ticks),
                 static_cast<long long>(ticks[2]), share(ticks[2], report.ticks),
                 static_cast<long long>(ticks[0]), share(ticks[0], report.ticks));
    std::fprintf(out, "Weather switches: %zu\n", report.weather.size());
    for (const WeatherSwitch& change : report.weather) {
        std::fprintf(out, "  frame %lld at %s: %s\n", static_cast<long long>(change.frame),
                     matchTime(change.frame).c_str(),
                     change.rainStarts ? "rain starts" : "rain stops (thinning out)");
    }
}

}  // namespace tools
