// session_log.h -- the session of a live run, kept frame by frame as each frame's state step
// sees the world: what the program's F9 and --save-session write.
#pragma once

#include "frame/session.h"
#include "frame/world.h"

namespace frame {

struct SessionLog {
    Session session;
    bool held[256];     // the key table as the latest frame's step saw it
    ViewportSize size;  // the size of the latest frame's picture
};

// Before the first frame, once the matches are chosen (chooseMatches, which
// gave `firstSeed`): a session of no frames, with the matches as chosen; a
// seed taken from the clock is kept as a given seed.
void startSessionLog(SessionLog& log, const common::MatchChoice& matches, std::uint32_t firstSeed);

// Right before every frame's state step (stepFrame), with the key table the
// step is about to read: the frame counted, then its picture's size when it
// changed, and every key that went down or up since the frame before, so the
// session replays the keys as the steps saw them, whenever their messages came.
void logFrame(SessionLog& log, const World& world);

// After each re-creation of the window (F1) that follows the latest frame.
void logRecreation(SessionLog& log);

}  // namespace frame
