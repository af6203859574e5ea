// web_session.cpp -- the page's session log and its link, offered to the page's script.
#include "web/web_session.h"

#include <algorithm>
#include <string>

#include "frame/clubs.h"
#include "frame/session_log.h"
#include "platform/web/page_host.h"

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
    callPageScript("showLink");
}

// football.sessionLink(): the link text of the covered window.
static const char* sessionLinkAnswer() {
    const frame::Session& session = page.log.session;
    const std::int64_t first = std::max<std::int64_t>(1, session.frames - kLinkShownFrames + 1);
    page.answer = page.lost ? "" : sessionLinkText(session, first);
    return page.answer.c_str();
}

// football.openedSession(): the opened link's session as file text.
static const char* openedSessionAnswer() {
    return page.opened.c_str();
}

void startPageSession(const common::MatchChoice& matches, const SessionLink* opened) {
    frame::startSessionLog(page.log, matches, matches.seed);
    if (opened != nullptr)
        page.opened = frame::sessionText(opened->session);
    exposeTextQuery("sessionLink", sessionLinkAnswer);
    exposeTextQuery("openedSession", openedSessionAnswer);
    if (matches.seedGiven)
        setPageText("seed", std::to_string(matches.seed));
    // The clubs the page offers, one a line, and the two chosen, for its chooser and its links.
    std::string names;
    for (const frame::Club& club : frame::builtInClubs())
        names += std::string(club.name) + "\n";
    setPageText("clubs", names);
    for (int side = 0; side < 2; ++side) {
        const std::string name = frame::chosenClubName(matches, side);
        if (!name.empty())
            setPageText(side == 0 ? "home" : "away", name);
    }
}

}  // namespace web
