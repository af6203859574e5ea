// session.h -- what was watched, as a session: the matches chosen, the window's sizes, the keys
// by frame and the window's re-creations; its text form (docs/sessions.md) and its frame script.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/match_seed.h"
#include "frame/frame_script.h"

namespace frame {

// The version this program writes and the only one it reads. A change that
// an older reader could read wrongly raises it (docs/sessions.md).
constexpr int kSessionVersion = 1;

// The largest session file read, far beyond hours of watching.
constexpr std::size_t kMaxSessionBytes = 64u << 20;

// The largest window side a session records (a size message's 16-bit word).
constexpr int kMaxSessionSide = 65535;

enum class SessionEventKind {
    size,      // the picture of `frame` and later ones is width x height
    down,      // `key` is held from `frame` on (it was not in the frame before)
    up,        // `key` is no longer held from `frame` on
    recreate,  // the window is re-created (F1) after `frame`; 0: before the first frame
};

struct SessionEvent {
    SessionEventKind kind;
    std::int64_t frame;
    int key;     // down, up: a virtual-key code 0..255
    int width;   // size
    int height;  // size
};

struct Session {
    // The first match's seed (seedGiven) or the designed match, the match
    // length and the replays; never seedFromClock: a seed from the clock is
    // kept as given. Another setting that changes the frames is a field of
    // common::MatchChoice, an `option` line in session_text.cpp and a row in
    // docs/sessions.md; sessionScript's script carries it to every consumer.
    common::MatchChoice matches;
    // In frame order, as they happened: within a frame its size, then its
    // keys, then the re-creations after it.
    std::vector<SessionEvent> events;
    std::int64_t frames = 0;  // frames watched (the end line)
};

// The session as text, every line ending in a line feed (docs/sessions.md).
std::string sessionText(const Session& session);

// The text in the pieces a file written as the session grows is made of:
// the header (format, seed, options), then the records of the events from
// `firstEvent` on; a kept line or the end line follows each piece.
std::string sessionHeadText(const Session& session);
std::string sessionEventsText(const Session& session, std::size_t firstEvent);

// Reads a session's text. False with a one-line message (no program or file
// name, no full stop) naming the line and what is wrong with it: an empty or
// cut file, an unknown version, record or option, a missing or extra field,
// a number out of range, frames out of order, an unknown key, a key let go
// that was not held. Nothing is kept from a refused text. A text without its
// end line that has a kept line is a session that stopped as it was written:
// it is read up to its last kept line, and what follows that is left out.
bool readSessionText(const std::string& text, Session& session, std::string& error);

// The frame script that runs the session's frames as the program ran them:
// FRAMES the frames watched, a key down at frame a and up at b held a..b-1
// (a key never let go up to the last frame), the re-creations as toggles (a
// toggle after frame 0 is a re-creation before the first frame), and the
// session's matches. Called by the tools and by the program playing a session.
FrameScript sessionScript(const Session& session);

// The window's size at the session's last frame; 1024 by 768 when it names none.
void sessionWindowSize(const Session& session, int& width, int& height);

// The text of a key in a session: its name where it has one (O, F12,
// PAUSE), else its code as 0x and two hex digits.
std::string sessionKeyName(int key);

}  // namespace frame
