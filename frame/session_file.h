// session_file.h -- a session's file: read whole (docs/sessions.md) or written whole.
#pragma once

#include <string>

#include "frame/session.h"

namespace frame {

// Reads and checks a session file (readSessionText). False with one line in
// `error`: "cannot read the session 'PATH': REASON", or "session 'PATH' line
// N: WHAT" for what the text gets wrong. Called by the tools' --session and
// the program's --play-session before anything runs.
bool loadSessionFile(const std::string& path, Session& session, std::string& error);

// Writes the session's text (sessionText) to `path`, replacing what is there.
// False with the reason in `error`. Called by the program at the end of its
// run (--save-session) and for F9 where no recorder makes a clip.
bool saveSessionFile(const std::string& path, const Session& session, std::string& error);

}  // namespace frame
