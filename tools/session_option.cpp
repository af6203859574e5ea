// session_option.cpp -- the --session option: its row, its checks, the session read as a script.
#include "tools/session_option.h"

#include <vector>

#include "frame/session.h"
#include "frame/session_file.h"

namespace tools {

common::OptionRow sessionOptionRow() {
    return {"session", 0, "FILE",
            "run the frames of a session saved by football --save-session\nor F9 (its keys, "
            "re-creations, seed and match length), instead\nof FRAMES and the options that "
            "script them",
            0};
}

// What a session says itself, named as the command line would give it.
static const char* scriptedByHand(const frame::FrameScript& script) {
    if (script.framesGiven)
        return "FRAMES";
    if (!script.holds.empty())
        return "--hold";
    if (!script.toggles.empty())
        return "--toggle";
    if (script.matches.seedGiven)
        return "--seed";
    if (script.matches.seedFromClock)
        return "--random";
    if (script.matches.minutes != 0)
        return "--match-minutes";
    for (const frame::ExtraArgument& extra : script.extras) {
        if (extra.name == "--replays")
            return "--replays";
    }
    return nullptr;
}

bool takeSessionOption(frame::FrameScript& script, std::string& path, std::string& error) {
    path.clear();
    bool given = false;
    std::vector<frame::ExtraArgument> others;
    for (const frame::ExtraArgument& extra : script.extras) {
        if (extra.name != "--session") {
            others.push_back(extra);
        } else if (given) {
            error = "--session is given twice";
            return false;
        } else if (extra.value.empty()) {
            error = "--session needs a file";
            return false;
        } else {
            given = true;
            path = extra.value;
        }
    }
    script.extras = others;
    if (!given)
        return true;
    if (const char* option = scriptedByHand(script)) {
        error = std::string("--session runs the session's own frames; ") + option +
                " cannot go with it";
        return false;
    }
    return true;
}

bool loadSessionScript(const std::string& path, frame::FrameScript& script, int& width, int& height,
                       std::string& error) {
    frame::Session session;
    if (!frame::loadSessionFile(path, session, error))
        return false;
    const std::vector<frame::ExtraArgument> extras = script.extras;
    script = frame::sessionScript(session);
    script.extras = extras;
    frame::sessionWindowSize(session, width, height);
    return true;
}

}  // namespace tools
