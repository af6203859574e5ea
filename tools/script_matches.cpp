// script_matches.cpp -- the tools' seed, match length and clubs, applied before start-up; the
// clubs listed.
#include "tools/script_matches.h"

#include <cstdio>

#include "common/command_line.h"
#include "frame/clubs.h"
#include "frame/match_series.h"
#include "frame/teams_file.h"

namespace tools {

bool startScriptMatches(frame::World& world, frame::FrameScript& script, const char* program,
                        std::string& error) {
    frame::ClubList known;
    frame::MatchClubs clubs;
    if (!frame::knownClubs(script.teamsFile, known, error) ||
        !frame::resolveClubs(known, script.matches, clubs, error))
        return false;
    const std::uint32_t seed = frame::chooseMatches(world, script.matches, clubs);
    if (script.matches.seedFromClock)
        std::fprintf(stderr, "%s: seed %lu\n", program, static_cast<unsigned long>(seed));
    return true;
}

int listTeams(const frame::FrameScript& script, const char* program) {
    frame::ClubList known;
    std::string error;
    if (!frame::knownClubs(script.teamsFile, known, error))
        return common::refuseArguments(program, error);
    const std::string text = frame::clubListText(known);
    const bool written =
        std::fwrite(text.data(), 1, text.size(), stdout) == text.size() && std::fflush(stdout) == 0;
    return written ? 0 : 1;
}

}  // namespace tools
