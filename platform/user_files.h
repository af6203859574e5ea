// user_files.h -- where the user keeps files, and the local wall-clock time that names them.
#pragma once

#include <string>

namespace platform {

// The user's pictures folder, for the program's screenshots: on Linux the XDG
// pictures directory (XDG_PICTURES_DIR in the environment, else in
// $XDG_CONFIG_HOME/user-dirs.dirs or ~/.config/user-dirs.dirs) when it is an
// existing directory, else ~/Pictures when it exists, else the current
// folder ("."); on Windows the Pictures known folder in UTF-8, whatever the
// ANSI code page (open it through common/file_path.h), else the current
// folder. Never empty; whether it can be written is found out by writing.
std::string picturesFolder();

// The user's videos folder, for the program's clips (F9), found as the
// pictures folder is: XDG_VIDEOS_DIR and ~/Videos on Linux, the Videos known
// folder in UTF-8 on Windows; else the current folder. Never empty.
std::string videosFolder();

// A file's path in a folder, in the system's own form: "folder/name" on
// Linux, "folder\name" on Windows (one separator, however the folder ends).
std::string pathInFolder(const std::string& folder, const std::string& name);

// The local date and time, to the millisecond.
struct LocalTime {
    int year;
    int month;  // 1..12
    int day;    // 1..31
    int hour;
    int minute;
    int second;
    int millisecond;
};

LocalTime localTime();

}  // namespace platform
