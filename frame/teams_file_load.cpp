// teams_file_load.cpp -- a teams file read from the disk, and the clubs known with it.
#include "common/command_line.h"
#include "common/text_file.h"
#include "frame/teams_file.h"

namespace frame {

bool loadTeamsFile(const std::string& path, ClubList& clubs, std::string& error) {
    std::string text, reason;
    if (!common::readTextFile(path, kMaxTeamsFileBytes, text, reason)) {
        error = "cannot read the teams file " + common::quoted(path) + ": " + reason;
        return false;
    }
    if (!readTeamsText(text, clubs, error)) {
        error = "teams file " + common::quoted(path) + " " + error;
        return false;
    }
    return true;
}

bool knownClubs(const std::string& teamsFile, ClubList& clubs, std::string& error) {
    clubs = builtInClubs();
    return teamsFile.empty() || loadTeamsFile(teamsFile, clubs, error);
}

}  // namespace frame
