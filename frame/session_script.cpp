// session_script.cpp -- a session's frames as the tools' frame script, and its window size.
#include "frame/session.h"

namespace frame {

FrameScript sessionScript(const Session& session) {
    FrameScript script;
    script.frames = session.frames;
    script.framesGiven = true;
    script.matches = session.matches;
    std::int64_t downSince[256] = {};
    bool down[256] = {};
    for (const SessionEvent& event : session.events) {
        switch (event.kind) {
            case SessionEventKind::down:
                down[event.key] = true;
                downSince[event.key] = event.frame;
                break;
            case SessionEventKind::up:
                // Held in the frames that saw it down, not in the frame of its up.
                if (down[event.key])
                    script.holds.push_back(
                        KeyHold{event.key, downSince[event.key], event.frame - 1});
                down[event.key] = false;
                break;
            case SessionEventKind::recreate:
                script.toggles.push_back(event.frame);
                break;
            case SessionEventKind::size:
                break;
        }
    }
    for (int key = 0; key < 256; ++key) {
        if (down[key])
            script.holds.push_back(KeyHold{key, downSince[key], session.frames});
    }
    return script;
}

void sessionWindowSize(const Session& session, int& width, int& height) {
    width = 1024;
    height = 768;
    for (const SessionEvent& event : session.events) {
        if (event.kind == SessionEventKind::size) {
            width = event.width;
            height = event.height;
        }
    }
}

}  // namespace frame
