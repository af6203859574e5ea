// teams_file.h -- a teams file: clubs added to the built-in ones, one record a line
// (docs/teams.md), read from its text or from the file.
#pragma once

#include <string>

#include "frame/clubs.h"

namespace frame {

// The largest teams file read.
constexpr std::size_t kMaxTeamsFileBytes = 1u << 20;

// Reads the clubs of a teams file's text and adds them to `clubs`, whose
// names they may not take again. False with one line (no full stop) naming
// the line and what is wrong with it; `clubs` is then as it was.
bool readTeamsText(const std::string& text, ClubList& clubs, std::string& error);

// The same for a file (teams_file_load.cpp, with the files): false with one
// line naming the file too, when it cannot be read, is larger than
// kMaxTeamsFileBytes or is refused.
bool loadTeamsFile(const std::string& path, ClubList& clubs, std::string& error);

// The built-in clubs and, when `teamsFile` is not empty, that file's: what
// the program and the tools know. False with one line in `error` when the
// file is refused.
bool knownClubs(const std::string& teamsFile, ClubList& clubs, std::string& error);

}  // namespace frame
