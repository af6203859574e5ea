// web_link.h -- a link to a moment of the match: the page address's at, view and hold
// parameters, read into the tools' frame script.
#pragma once

#include <cstdint>
#include <string>

#include "frame/frame_script.h"
#include "web/web_session_link.h"

namespace web {

struct MomentLink {
    std::int64_t at = 0;        // at=N: the frame to show, paused; 0 when not given
    int view = 0;               // view=V (frame/views.h): its key held to that frame; 0: none
    frame::FrameScript script;  // hold=KEY@FROM[-TO], repeatable, in the tools' key names;
                                // seed=N (as --seed), home=NAME and away=NAME (as --home
                                // and --away) in its matches
    bool mute = false;          // mute (or mute=1): the sound starts off; mute=0: on
    int volume = 100;           // volume=N: the sound's volume in percent, 0..100
    bool sessionGiven = false;  // session=TEXT (web_session_link.h): the session it carries,
    SessionLink session;        // its matches also in script.matches; alone, without at,
                                // view, hold, seed, home or away
};

// Reads the query part of the page address ("?at=3300&view=5&hold=O@100-120",
// with or without the "?", percent-encoded or not; "&seed=42" for another
// match; "&home=HARBOUR&away=KESTREL" for the clubs; "&mute&volume=40" for
// the sound; "?session=..." for a session). Other parameters are left
// alone. False, with one line naming the bad parameter in `error`, when at,
// view, hold, seed, home, away, volume or session is malformed or given
// twice, or session comes with another of them; `link` is then empty. The
// clubs are found later (frame::resolveClubs).
bool parseMomentLink(const std::string& query, MomentLink& link, std::string& error);

}  // namespace web
