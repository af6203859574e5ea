// match_summary.h -- the short match report of `football-trace --summary`, printed
// from the match statistics the frames have counted (frame/match_statistics.h).
#pragma once

#include <cstdio>
#include <vector>

#include "frame/match_statistics.h"
#include "frame/world.h"

namespace tools {

// The goals and weather switches since start-up, gathered frame by frame:
// the statistics keep only the latest.
struct MatchReport {
    std::vector<frame::GoalEvent> goals;
    std::vector<frame::WeatherSwitch> weather;
};

// After every frame: adds what the frame's statistics gained.
void gatherReport(MatchReport& report, const frame::MatchStatistics& statistics);

// Prints the report of everything since start-up, with the match time beside
// every frame number, and the score as the match stands now.
void writeReport(const frame::World& world, const MatchReport& report, std::FILE* out);

}  // namespace tools
