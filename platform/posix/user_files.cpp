// posix/user_files.cpp -- the XDG pictures and videos directories and the local time, on POSIX.
#include "platform/user_files.h"

#include <sys/stat.h>

#include <cstdlib>
#include <ctime>
#include <fstream>

namespace platform {

static bool isDirectory(const std::string& path) {
    struct stat info;
    return !path.empty() && stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

static std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

// NAME="$HOME/Folder" or ="/absolute/path" in user-dirs.dirs (NAME is
// XDG_PICTURES_DIR, XDG_VIDEOS_DIR); other forms are not valid there and are
// skipped.
static std::string configuredDir(const std::string& home, const std::string& name) {
    std::string config = environment("XDG_CONFIG_HOME");
    if (config.empty() || config[0] != '/')
        config = home + "/.config";
    std::ifstream file(config + "/user-dirs.dirs");
    const std::string key = name + "=\"";
    std::string found;
    for (std::string line; std::getline(file, line);) {
        if (line.compare(0, key.size(), key) != 0 || line.back() != '"')
            continue;
        std::string value = line.substr(key.size(), line.size() - key.size() - 1);
        if (value.compare(0, 5, "$HOME") == 0 && !home.empty()) {
            found = home + value.substr(5);
        } else if (!value.empty() && value[0] == '/') {
            found = value;
        }
    }
    return found;
}

// The XDG directory `name` from the environment, else from user-dirs.dirs,
// else ~/`fallback`, else the current folder; the first that exists.
static std::string userFolder(const std::string& name, const std::string& fallback) {
    const std::string home = environment("HOME");
    const std::string fromEnvironment = environment(name.c_str());
    if (isDirectory(fromEnvironment))
        return fromEnvironment;
    const std::string configured = configuredDir(home, name);
    if (isDirectory(configured))
        return configured;
    if (!home.empty() && isDirectory(home + "/" + fallback))
        return home + "/" + fallback;
    return ".";
}

std::string picturesFolder() {
    return userFolder("XDG_PICTURES_DIR", "Pictures");
}

std::string videosFolder() {
    return userFolder("XDG_VIDEOS_DIR", "Videos");
}

std::string pathInFolder(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

LocalTime localTime() {
    timespec now = {};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local = {};
    localtime_r(&now.tv_sec, &local);
    return LocalTime{local.tm_year + 1900,
                     local.tm_mon + 1,
                     local.tm_mday,
                     local.tm_hour,
                     local.tm_min,
                     local.tm_sec,
                     static_cast<int>(now.tv_nsec / 1000000L)};
}

}  // namespace platform
