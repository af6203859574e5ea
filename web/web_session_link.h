// web_session_link.h -- a session carried by a page link: the session= parameter's compact,
// URL-safe form (docs/sessions.md, "In a link"), written and read.
#pragma once

#include <cstdint>
#include <string>

#include "frame/session.h"

namespace web {

// The latest frame a link may reach, at= or a session's end: the page runs
// every frame before the ones it shows at load, about 20 seconds of work at
// this many.
constexpr std::int64_t kLatestLinkFrame = 1000000;

// What a session link carries: the session since start-up, and the first
// frame the page shows at the match's pace (the frames before it run fast).
struct SessionLink {
    frame::Session session;
    std::int64_t firstShown = 1;  // 1 to session.frames (1 for a session of no frames)
};

// The link's text for a session (its matches, replays on at the start or
// not, sizes, keys and re-creations) and its first frame shown: base64url
// without padding.
std::string sessionLinkText(const frame::Session& session, std::int64_t firstShown);

// Reads a link's text. False with one line in `error` (no full stop) when it
// is not base64url, is cut short, has another version, runs past
// kLatestLinkFrame, or holds what a session file would be refused for;
// `link` is then empty.
bool readSessionLink(const std::string& text, SessionLink& link, std::string& error);

}  // namespace web
