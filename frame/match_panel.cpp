// match_panel.cpp -- the match panel's key and the text of its lines.
#include "frame/match_panel.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/key_codes.h"

namespace frame {

void applyPanelKey(MatchPanel& panel, const KeyTable& keys) {
    const bool down = keys.held[platform::kVkTab];
    if (down && !panel.keyWasDown)
        panel.shown = !panel.shown;
    panel.keyWasDown = down;
}

static std::string format(const char* pattern, long long first, long long second) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, first, second);
    return text;
}

std::string scorerText(const MatchClubs& clubs, int team, int scorerTeam, int scorerHolder) {
    if (scorerTeam < 1 || scorerTeam > 2 || scorerHolder < 0 || scorerHolder >= kSquadSize)
        return "";
    const SquadPlayer& player = clubs.sides[scorerTeam - 1].squad[scorerHolder];
    return std::to_string(player.number) + " " + player.name + (scorerTeam != team ? " (OG)" : "");
}

// A team's share of the ticks that either team had the ball, in whole per cent.
static long long percent(std::int64_t part, std::int64_t other) {
    const std::int64_t whole = part + other;
    return whole == 0 ? 0 : static_cast<long long>((part * 200 + whole) / (2 * whole));
}

std::vector<std::string> matchPanelLines(const MatchStatistics& statistics,
                                         const sim::MatchState& match, const MatchClubs& clubs,
                                         const render::RainField& rain, const MatchPanel& panel,
                                         int goalLines) {
    const char* home = clubs.sides[0].name;
    const char* away = clubs.sides[1].name;
    std::vector<std::string> lines;
    lines.push_back(std::string(panel.finalScore ? "FULL TIME    "
                                : panel.halfTime ? "HALF TIME    "
                                                 : "MATCH TIME   ") +
                    matchTime(statistics.matchFrames));
    lines.push_back(home + format(" %lld : %lld ", match.goalsTeam1, match.goalsTeam2) + away);

    // The latest goals of this match, as many as are kept.
    const std::int64_t firstGoal =
        std::max({statistics.matchFirstGoal, statistics.goals - kKeptGoals, std::int64_t{0}});
    int shown = 0;
    for (std::int64_t i = statistics.goals; i > firstGoal && shown < goalLines; --i, ++shown) {
        const GoalEvent& goal = goalEvent(statistics, i - 1);
        char text[96];
        std::snprintf(text, sizeof text, "%5lld' %-*s %lld:%lld %s",
                      static_cast<long long>(matchMinute(goal.crossedAt)), kClubNameLetters,
                      clubs.sides[goal.team - 1].name, static_cast<long long>(goal.goalsTeam1),
                      static_cast<long long>(goal.goalsTeam2),
                      scorerText(clubs, goal.team, goal.scorerTeam, goal.scorerHolder).c_str());
        lines.push_back(text);
    }

    // The table's columns as wide as the designed names at least.
    const std::size_t width1 = std::max<std::size_t>(6, std::strlen(home));
    const std::size_t width2 = std::max<std::size_t>(8, std::strlen(away));
    const MatchTally tally = currentMatchTally(statistics);
    auto row = [&](const std::string& name, const std::string& team1, const std::string& team2) {
        lines.push_back(name + std::string(13 - name.size(), ' ') +
                        std::string(width1 - std::min(width1, team1.size()), ' ') + team1 + "  " +
                        std::string(width2 - std::min(width2, team2.size()), ' ') + team2);
    };
    auto counts = [&](const char* name, long long team1, long long team2) {
        row(name, std::to_string(team1), std::to_string(team2));
    };
    row("", home, away);
    counts("Shots", tally.shotsOnTarget[0] + tally.shotsOffTarget[0],
           tally.shotsOnTarget[1] + tally.shotsOffTarget[1]);
    counts("  on target", tally.shotsOnTarget[0], tally.shotsOnTarget[1]);
    counts("Passes", tally.passesStarted[0], tally.passesStarted[1]);
    counts("  completed", tally.passesCompleted[0], tally.passesCompleted[1]);
    const std::int64_t* ticks = tally.possessionTicks;
    const long long share1 = percent(ticks[1], ticks[2]);
    const long long share2 = ticks[1] + ticks[2] == 0 ? 0 : 100 - share1;
    row("Possession", std::to_string(share1) + "%", std::to_string(share2) + "%");
    lines.push_back(std::string("Weather      ") +
                    (rain.raining != 0 ? "rain" : (rain.falling > 0 ? "rain easing off" : "dry")));
    return lines;
}

}  // namespace frame
