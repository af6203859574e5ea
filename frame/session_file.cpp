// session_file.cpp -- reading and writing a session's file, whole.
#include "frame/session_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

#include "common/command_line.h"
#include "common/file_path.h"

namespace frame {

static std::string systemReason() {
    return errno != 0 ? std::strerror(errno) : "an input or output error";
}

bool loadSessionFile(const std::string& path, Session& session, std::string& error) {
    const std::string named = "the session " + common::quoted(path);
    std::error_code ignored;
    if (std::filesystem::is_directory(common::filePath(path), ignored)) {
        error = "cannot read " + named + ": it is a directory";
        return false;
    }
    errno = 0;
    std::ifstream file(common::filePath(path), std::ios::binary);
    if (!file) {
        error = "cannot read " + named + ": " + systemReason();
        return false;
    }
    // One byte more than the largest session, so that a larger one is named
    // as such and an endless file (a device) is not read for ever.
    std::string text(kMaxSessionBytes + 1, '\0');
    file.read(&text[0], static_cast<std::streamsize>(text.size()));
    if (file.bad()) {
        error = "cannot read " + named + ": " + systemReason();
        return false;
    }
    text.resize(static_cast<std::size_t>(file.gcount()));
    if (!readSessionText(text, session, error)) {
        error = "session " + common::quoted(path) + " " + error;
        return false;
    }
    return true;
}

bool saveSessionFile(const std::string& path, const Session& session, std::string& error) {
    const std::string text = sessionText(session);
    errno = 0;
    std::ofstream file(common::filePath(path), std::ios::binary | std::ios::trunc);
    if (file)
        file.write(text.data(), static_cast<std::streamsize>(text.size()));
    if (file)
        file.close();
    if (!file) {
        error = systemReason();
        return false;
    }
    return true;
}

}  // namespace frame
