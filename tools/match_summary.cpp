// match_summary.cpp -- printing the match report.
#include "tools/match_summary.h"

#include <cstdio>
#include <string>

namespace tools {

static double share(std::int64_t part, std::int64_t whole) {
    return whole == 0 ? 0.0 : 100.0 * static_cast<double>(part) / static_cast<double>(whole);
}

// The goal's minute, then its scorer: his team, number and name, and whether
// he put it into his own goal.
static void writeScorer(const frame::GoalEvent& goal, const frame::MatchClubs& clubs,
                        std::FILE* out) {
    std::fprintf(out, "minute %lld, ", static_cast<long long>(frame::matchMinute(goal.crossedAt)));
    if (goal.scorerTeam < 1 || goal.scorerTeam > 2 || goal.scorerHolder < 0 ||
        goal.scorerHolder >= frame::kSquadSize) {
        std::fprintf(out, "scorer unknown");
        return;
    }
    const frame::MatchSide& side = clubs.sides[goal.scorerTeam - 1];
    const frame::SquadPlayer& player = side.squad[goal.scorerHolder];
    std::fprintf(out, "team %s, number %d, name %s%s", side.name, player.number, player.name,
                 goal.scorerTeam != goal.team ? ", own goal" : "");
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
    const char* const names[3] = {"nobody", world.clubs.sides[0].name, world.clubs.sides[1].name};
    std::fprintf(out, "Final score: %s %d : %d %s\n", names[1], world.match.goalsTeam1,
                 world.match.goalsTeam2, names[2]);
    if (statistics.restarts > 0) {
        std::fprintf(out, "Match restarts: %lld (the goals below include earlier matches)\n",
                     static_cast<long long>(statistics.restarts));
    }
    std::fprintf(out, "Goals: %zu\n", report.goals.size());
    for (const frame::GoalEvent& goal : report.goals) {
        std::fprintf(out, "  frame %lld at %s: %s (", static_cast<long long>(goal.frame),
                     matchTime(goal.frame).c_str(), names[goal.team]);
        writeScorer(goal, world.clubs, out);
        std::fprintf(out, "), %d : %d\n", goal.goalsTeam1, goal.goalsTeam2);
    }
    for (int team = 1; team <= 2; ++team) {
        const int i = team - 1;
        std::fprintf(out,
                     "%s: shots %lld (on target %lld, off target %lld), passes started %lld, "
                     "completed %lld, goal kicks taken by its keeper %lld\n",
                     names[team],
                     static_cast<long long>(tally.shotsOnTarget[i] + tally.shotsOffTarget[i]),
                     static_cast<long long>(tally.shotsOnTarget[i]),
                     static_cast<long long>(tally.shotsOffTarget[i]),
                     static_cast<long long>(tally.passesStarted[i]),
                     static_cast<long long>(tally.passesCompleted[i]),
                     static_cast<long long>(tally.goalKicks[i]));
    }
    const std::int64_t* ticks = tally.possessionTicks;
    std::fprintf(out,
                 "Possession in ticks: %s %lld (%.1f%%), %s %lld (%.1f%%), "
                 "loose or in flight %lld (%.1f%%)\n",
                 names[1], static_cast<long long>(ticks[1]), share(ticks[1], tally.ticks), names[2],
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
