// session_file.cpp -- reading a session's file, and writing it whole or as it grows.
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
    // The size first, so that a file too large is refused unread; then as
    // much as there is, in pieces, since a file may still be growing (or be
    // a device) and tell a size that is not what reading gives.
    const std::uintmax_t size = std::filesystem::file_size(common::filePath(path), ignored);
    if (size != static_cast<std::uintmax_t>(-1) && size > kMaxSessionBytes) {
        error = "cannot read " + named + ": it is larger than " +
                std::to_string(kMaxSessionBytes >> 20) + " MiB";
        return false;
    }
    errno = 0;
    std::ifstream file(common::filePath(path), std::ios::binary);
    if (!file) {
        error = "cannot read " + named + ": " + systemReason();
        return false;
    }
    std::string text;
    char piece[1 << 16];
    while (file && text.size() <= kMaxSessionBytes) {
        file.read(piece, sizeof piece);
        text.append(piece, static_cast<std::size_t>(file.gcount()));
    }
    if (file.bad()) {
        error = "cannot read " + named + ": " + systemReason();
        return false;
    }
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

bool SessionFileWriter::create(const std::string& path, std::string& error) {
    headWritten_ = false;
    written_ = 0;
    return file_.create(path, error);
}

bool SessionFileWriter::append(const Session& session, const std::string& last,
                               std::string& error) {
    const std::string piece = (headWritten_ ? std::string() : sessionHeadText(session)) +
                              sessionEventsText(session, written_) + last + " " +
                              std::to_string(session.frames) + "\n";
    if (!file_.append(piece, error))
        return false;
    headWritten_ = true;
    written_ = session.events.size();
    return true;
}

bool SessionFileWriter::keep(const Session& session, std::string& error) {
    return append(session, "kept", error);
}

bool SessionFileWriter::finish(const Session& session, std::string& error) {
    const bool written = append(session, "end", error);
    std::string closing;
    if (!file_.close(closing) && written) {
        error = closing;
        return false;
    }
    return written;
}

}  // namespace frame
