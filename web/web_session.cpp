// web_session.cpp -- the page's session log and its link, offered to the page's script.
#include "web/web_session.h"

#include <emscripten.h>

#include <algorithm>
#include <string>

#include "frame/session_log.h"

namespace web {

// The page's own record, alive for the whole page.
struct PageSession {
    frame::SessionLog log;
    bool lost;
    std::string opened;  // the opened link's session text
    std::string answer;  // the latest answer handed to the script
};

static PageSession page = {};

void logPageFrame(const frame::World& world) {
    if (!page.lost)
        frame::logFrame(page.log, world);
}

void losePageSession() {
    page.lost = true;
}

void showSessionLinkBox() {
    EM_ASM({
        if (window.football && window.football.showLink)
            window.football.showLink();
    });
}

}  // namespace web

// Called by the page's script through football.sessionLink().
extern "C" EMSCRIPTEN_KEEPALIVE const char* football_session_link() {
    web::PageSession& page = web::page;
    const frame::Session& session = page.log.session;
    const std::int64_t first =
        std::max<std::int64_t>(1, session.frames - web::kLinkShownFrames + 1);
    page.answer = page.lost ? "" : web::sessionLinkText(session, first);
    return page.answer.c_str();
}

// Called by the page's script through football.openedSession().
extern "C" EMSCRIPTEN_KEEPALIVE const char* football_opened_session() {
    return web::page.opened.c_str();
}

namespace web {

void startPageSession(const common::MatchChoice& matches, const SessionLink* opened) {
    frame::startSessionLog(page.log, matches, matches.seed);
    if (opened != nullptr)
        page.opened = frame::sessionText(opened->session);
    EM_ASM(
        {
            window.football = window.football || {};
            window.football.sessionLink = function() {
                return UTF8ToString(Module._football_session_link());
            };
            window.football.openedSession = function() {
                return UTF8ToString(Module._football_opened_session());
            };
            if ($0)
                window.football.seed = String($1 >>> 0);
        },
        matches.seedGiven, matches.seed);
}

}  // namespace web
