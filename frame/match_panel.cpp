// match_panel.cpp -- the match panel's key and the text of its lines.
#include "frame/match_panel.h"

#include <algorithm>
#include <cstdio>

#include "platform/key_codes.h"

namespace frame {

void applyPanelKey(MatchPanel& panel, const KeyTable& keys) {
    const bool down = keys.held[platform::kVkTab];
    if (down && !panel.keyWasDown)
        panel.shown = !panel.shown;
    panel.keyWasDown = down;
}

static const char* const kTeamNames[3] = {"nobody", "DYNAMO", "SHAKHTAR"};

static std::string format(const char* pattern, long long first, long long second) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, first, second);
    return text;
}

static std::string scorer(const GoalEvent& goal) {
    if (goal.scorerTeam == 0)
        return "";
    std::string who = goal.scorerHolder == 0 ? std::string("keeper")
                                             : format("player %lld", goal.scorerHolder, 0);
    if (goal.scorerTeam != goal.team)
        who = std::string("own goal, ") + kTeamNames[goal.scorerTeam] + " " + who;
    return who;
}

// A team's share of the ticks that either team had the ball, in whole per cent.
static long long percent(std::int64_t part, std::int64_t other) {
    const std::int64_t whole = part + other;
    return whole == 0 ? 0 : static_cast<long long>((part * 200 + whole) / (2 * whole));
}

std::vector<std::string> matchPanelLines(const MatchStatistics& statistics,
                                         const sim::MatchState& match,
                                         const render::RainField& rain, bool finalScore,
                                         int goalLines) {
    std::vector<std::string> lines;
    lines.push_back(std::string(finalScore ? "FINAL SCORE  " : "MATCH TIME   ") +
                    matchTime(statistics.matchFrames));
    lines.push_back(format("DYNAMO %lld : %lld SHAKHTAR", match.goalsTeam1, match.goalsTeam2));

    // The latest goals of this match, as many as are kept.
    const std::int64_t firstGoal =
        std::max({statistics.matchFirstGoal, statistics.goals - kKeptGoals, std::int64_t{0}});
    int shown = 0;
    for (std::int64_t i = statistics.goals; i > firstGoal && shown < goalLines; --i, ++shown) {
        const GoalEvent& goal = goalEvent(statistics, i - 1);
        char text[96];
        std::snprintf(text, sizeof text, "%6s %-8s %lld:%lld %s",
                      matchTime(goal.matchFrames).c_str(), kTeamNames[goal.team],
                      static_cast<long long>(goal.goalsTeam1),
                      static_cast<long long>(goal.goalsTeam2), scorer(goal).c_str());
        lines.push_back(text);
    }

    const MatchTally tally = currentMatchTally(statistics);
    lines.push_back("             DYNAMO  SHAKHTAR");
    auto row = [&](const char* name, long long team1, long long team2) {
        char text[64];
        std::snprintf(text, sizeof text, "%-12s %6lld  %8lld", name, team1, team2);
        lines.push_back(text);
    };
    row("Shots", tally.shotsOnTarget[0] + tally.shotsOffTarget[0],
        tally.shotsOnTarget[1] + tally.shotsOffTarget[1]);
    row("  on target", tally.shotsOnTarget[0], tally.shotsOnTarget[1]);
    row("Passes", tally.passesStarted[0], tally.passesStarted[1]);
    row("  completed", tally.passesCompleted[0], tally.passesCompleted[1]);
    const std::int64_t* ticks = tally.possessionTicks;
    char text[64];
    const long long share1 = percent(ticks[1], ticks[2]);
    const long long share2 = ticks[1] + ticks[2] == 0 ? 0 : 100 - share1;
    std::snprintf(text, sizeof text, "%-12s %5lld%%  %7lld%%", "Possession", share1, share2);
    lines.push_back(text);
    lines.push_back(std::string("Weather      ") +
                    (rain.raining != 0 ? "rain" : (rain.falling > 0 ? "rain easing off" : "dry")));
    return lines;
}

}  // namespace frame
