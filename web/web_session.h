// web_session.h -- the page's session: the frames since start-up as the steps saw them, the
// link that carries it (F9, the share control), and the session a link brought.
#pragma once

#include <cstdint>

#include "common/match_seed.h"
#include "frame/world.h"
#include "web/web_session_link.h"

namespace web {

// The frames a session link shows at the match's pace: the last 30 seconds,
// as the desktop's F9 clip counts them.
constexpr std::int64_t kLinkShownFrames = 900;

// Once, before the first frame, with the matches chosen and the session the
// page was opened with (none: null). The page's script gets
// `football.sessionLink()` (the session= text of the frames so far, "" when
// the page cannot carry them) and `football.openedSession()` (the opened
// link's session as a session file's text, "" without one), and, for its
// chooser and links, `football.clubs` (the clubs it knows, one a line) and
// `football.home` and `football.away` (the clubs chosen, where not the
// designed ones).
void startPageSession(const common::MatchChoice& matches, const SessionLink* opened);

// Right before every frame's state step, with the key table it will read.
void logPageFrame(const frame::World& world);

// The match changed outside its keys (a link's moment is held paused): from
// now on the page's session would not replay it, and no link carries it.
void losePageSession();

// F9: the page's script shows the link box (controls.js, football.showLink).
void showSessionLinkBox();

}  // namespace web
