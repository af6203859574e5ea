// session_file.cpp -- reading a session's file, and writing it whole or as it grows.
#include "frame/session_file.h"

#include "common/command_line.h"
#include "common/replaced_file.h"
#include "common/text_file.h"

namespace frame {

bool loadSessionFile(const std::string& path, Session& session, std::string& error) {
    std::string text, reason;
    if (!common::readTextFile(path, kMaxSessionBytes, text, reason)) {
        error = "cannot read the session " + common::quoted(path) + ": " + reason;
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
    return common::replaceFile(path, text.data(), text.size(), error);
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
