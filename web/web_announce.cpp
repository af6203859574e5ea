// web_announce.cpp -- goals, half time and the final score announced for screen readers, the
// pause shown on the pause control, and the panel's state for the page's boxes.
#include "web/web_announce.h"

#include <string>
#include <tuple>

#include "platform/web/page_host.h"
#include "platform/web/web_page.h"
#include "web/web_loop.h"

namespace web {

// The score bar's names, team 1's then team 2's: the clubs the world keeps.
static const char* sideName(const frame::World& world, int team) {
    return world.clubs.sides[team == 1 ? 0 : 1].name;
}

struct Announced {
    int goals1 = 0;
    int goals2 = 0;
    bool finalScore = false;
    bool halfTime = false;
    bool paused = false;
    bool shown = false;  // the pause control has been set once
};

static Announced announced;

static std::string score(const frame::World& world) {
    return std::to_string(world.match.goalsTeam1) + " : " + std::to_string(world.match.goalsTeam2);
}

void noteFrameQuietly(const frame::World& world) {
    announced.goals1 = world.match.goalsTeam1;
    announced.goals2 = world.match.goalsTeam2;
    announced.finalScore = world.panel.finalScore;
    announced.halfTime = world.panel.halfTime;
}

void announceFrame(const frame::World& world) {
    const int goals1 = world.match.goalsTeam1;
    const int goals2 = world.match.goalsTeam2;
    if (goals1 > announced.goals1)
        announceOnPage("Goal for " + std::string(sideName(world, 1)) + ": " + score(world));
    else if (goals2 > announced.goals2)
        announceOnPage("Goal for " + std::string(sideName(world, 2)) + ": " + score(world));
    for (const auto& [shown, was, heading] :
         {std::tuple{world.panel.finalScore, announced.finalScore, "Final score: "},
          std::tuple{world.panel.halfTime, announced.halfTime, "Half time: "}}) {
        if (shown && !was)
            announceOnPage(heading + std::string(sideName(world, 1)) + " " + score(world) + " " +
                           sideName(world, 2));
    }
    noteFrameQuietly(world);
    if (!announced.shown || world.pause.paused != announced.paused)
        showPausedOnPage(world.pause.paused);
    announced.paused = world.pause.paused;
    announced.shown = true;
}

// Only Tab's panel: Tab cannot take away the final score's.
static const char* panelState() {
    return pageWorld().panel.shown ? "1" : "";
}

void exposePanelState() {
    exposeTextQuery("panel", panelState);
}

}  // namespace web
