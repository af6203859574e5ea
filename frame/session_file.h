// session_file.h -- a session's file: read whole (docs/sessions.md), or written as the session
// grows, each piece on the disk with a kept line after it.
#pragma once

#include <cstddef>
#include <string>

#include "common/appended_file.h"
#include "frame/session.h"

namespace frame {

// Reads and checks a session file (readSessionText), in memory in proportion
// to it. False with one line in `error`: "cannot read the session 'PATH':
// REASON" (a file over kMaxSessionBytes among them, refused before it is
// read), or "session 'PATH' line N: WHAT" for what the text gets wrong.
// Called by the tools' --session and the program's --play-session before
// anything runs.
bool loadSessionFile(const std::string& path, Session& session, std::string& error);

// Writes the session's text (sessionText) to `path`, replacing what is there
// (common::replaceFile: the old file or the whole new one, never a part).
// False with the reason in `error`. Called for F9 where no recorder makes a
// clip.
bool saveSessionFile(const std::string& path, const Session& session, std::string& error);

// A session's file written while it is watched (--save-session): readable
// at every moment. Every piece ends in a kept line and is on the disk when
// keep returns, so a file cut by a crash, a kill or a power cut replays to
// the last kept frame; finish writes the end line.
class SessionFileWriter {
  public:
    // Makes the file, empty, replacing what is there: before the matches are
    // chosen, so that a place that cannot be written is found before the match.
    bool create(const std::string& path, std::string& error);
    // The events logged since the last piece (the first piece: the header,
    // once the matches are chosen, and every event), then "kept FRAMES".
    bool keep(const Session& session, std::string& error);
    // The rest, then "end FRAMES"; the file is closed.
    bool finish(const Session& session, std::string& error);

    bool isOpen() const { return file_.isOpen(); }

  private:
    // The header if not yet written, the events since the last piece, then
    // the line `last FRAMES`.
    bool append(const Session& session, const std::string& last, std::string& error);

    common::AppendedFile file_;
    bool headWritten_ = false;
    std::size_t written_ = 0;  // the events in the file
};

}  // namespace frame
