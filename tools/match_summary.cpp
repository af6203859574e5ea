// match_summary.cpp -- printing the match report.
#include "tools/match_summary.h"

#include <cstdio>
#include <string>

namespace tools {

static const char* const kTeamNames[3] = {"nobody", "DYNAMO", "SHAKHTAR"};

static double share(std::int64_t part, std::int64_t whole) {
    return whole == 0 ? 0.0 : 100.0 * static_cast<double>(part) / static_cast<double>(whole);
}

static void writeScorer(const frame::GoalEvent& goal, std::FILE* out) {
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

void gatherReport(MatchReport& report, const frame::MatchStatistics& statistics) {
    for (auto n = static_cast<std::int64_t>(report.goals.size()); n < statistics.goals; ++n)
        report.goals.push_back(frame::goalEvent(statistics, n));
    if (static_cast<std::int64_t>(report.weather.size()) < statistics.weatherSwitches)
        report.weather.push_back(statistics.latestWeather);
}

void writeReport(const frame::World& world, const MatchReport& report, std::FILE* out) {
    using frame::matchTime;
    const frame::MatchStatistics& statistics = world.statistics;
    const frame::MatchTally& tally = statistics.total;
    std::fprintf(out, "Frames: %lld at %s (simulation ticks: %lld)\n",
                 static_cast<long long>(statistics.frames), matchTime(statistics.frames).c_str(),
                 static_cast<long long>(tally.ticks));
    std::fprintf(out, "Final score: DYNAMO %d : %d SHAKHTAR\n", world.match.goalsTeam1,
                 world.match.goalsTeam2);
    if (statistics.restarts > 0) {
        std::fprintf(out, "Match restarts: %lld (the goals below include earlier matches)\n",
                     static_cast<long long>(statistics.restarts));
    }
    std::fprintf(out, "Goals: %zu\n", report.goals.size());
    for (const frame::GoalEvent& goal : report.goals) {
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
                     static_cast<long long>(tally.shotsOnTarget[i] + tally.shotsOffTarget[i]),
                     static_cast<long long>(tally.shotsOnTarget[i]),
                     static_cast<long long>(tally.shotsOffTarget[i]),
                     static_cast<long long>(tally.passesStarted[i]),
                     static_cast<long long>(tally.passesCompleted[i]),
                     static_cast<long long>(tally.goalKicks[i]));
    }
    const std::int64_t* ticks = tally.possessionTicks;
    std::fprintf(out,
                 "Possession in ticks: DYNAMO %lld (%.1f%%), SHAKHTAR %lld (%.1f%%), "
                 "loose or in flight %lld (%.1f%%)\n",
                 static_cast<long long>(ticks[1]), share(ticks[1], tally.ticks),
                 static_cast<long long>(ticks[2]), share(ticks[2], tally.ticks),
                 static_cast<long long>(ticks[0]), share(ticks[0], tally.ticks));
    std::fprintf(out, "Weather switches: %zu\n", report.weather.size());
    for (const frame::WeatherSwitch& change : report.weather) {
        std::fprintf(out, "  frame %lld at %s: %s\n", static_cast<long long>(change.frame),
                     matchTime(change.frame).c_str(),
                     change.rainStarts ? "rain starts" : "rain stops (thinning out)");
    }
}

}  // namespace tools
