// teams_file_load.cpp -- a teams file read from the disk, and the clubs known with it.
#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include "common/command_line.h"
#include "common/file_path.h"
#include "frame/teams_file.h"

namespace frame {

bool loadTeamsFile(const std::string& path, ClubList& clubs, std::string& error) {
    const std::string named = "the teams file " + common::quoted(path);
    std::error_code ignored;
    if (std::filesystem::is_directory(common::filePath(path), ignored)) {
        error = "cannot read " + named + ": it is a directory";
        return false;
    }
    errno = 0;
    std::ifstream file(common::filePath(path), std::ios::binary);
    if (!file) {
        error =
            "cannot read " + named + ": " + (errno != 0 ? std::strerror(errno) : "no such file");
        return false;
    }
    std::string text;
    char piece[1 << 14];
    while (file && text.size() <= kMaxTeamsFileBytes) {
        file.read(piece, sizeof piece);
        text.append(piece, static_cast<std::size_t>(file.gcount()));
    }
    if (file.bad()) {
        error = "cannot read " + named + ": an input or output error";
        return false;
    }
    if (text.size() > kMaxTeamsFileBytes) {
        error = "cannot read " + named + ": it is larger than 1 MiB";
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
