// moment_name.cpp -- file names by the local time to the millisecond, never one already taken.
#include "frame/moment_name.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "common/file_path.h"
#include "common/replaced_file.h"
#include "platform/user_files.h"

namespace frame {

// How many names one moment may take: football-...-mmm, then -2 to -999.
static const int kMostNamesAMoment = 1000;

static bool taken(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::exists(common::filePath(path), ignored) ||
           std::filesystem::exists(common::filePath(common::temporaryPathOf(path)), ignored);
}

std::string freeMomentPath(const std::string& folder, const std::string& ending) {
    const platform::LocalTime t = platform::localTime();
    char stem[64];
    std::snprintf(stem, sizeof stem, "football-%04d%02d%02d-%02d%02d%02d-%03d", t.year, t.month,
                  t.day, t.hour, t.minute, t.second, t.millisecond);
    const std::string base = platform::pathInFolder(folder, stem);
    std::string path = base + ending;
    for (int n = 2; taken(path); ++n) {
        if (n == kMostNamesAMoment)
            return std::string();  // never write over a file already there
        path = base + "-" + std::to_string(n) + ending;
    }
    return path;
}

void removeUnfinishedClip(const std::string& path) {
    std::error_code ignored;
    std::filesystem::remove(common::filePath(common::temporaryPathOf(path)), ignored);
}

}  // namespace frame
