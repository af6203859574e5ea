// match_summary.h -- the short match report of `football-trace --summary`, printed
// from the match statistics the frames have counted (frame/match_statistics.h).
#pragma once

#include <cstdio>

#include "frame/match_statistics.h"

namespace tools {

// Prints the report of everything since start-up, with the match time beside
// every frame number, and the score as the match stands now.
void writeReport(const frame::MatchStatistics& statistics, std::FILE* out);

}  // namespace tools
