// web_announce.cpp -- goals and the final score announced for screen readers, the pause shown on
// the pause control, and the panel's state for the page's boxes.
#include "web/web_announce.h"

#include <string>

#include "platform/web/page_host.h"
#include "platform/web/web_page.h"
#include "web/web_loop.h"

namespace web {

// The score bar's names, team 1's then team 2's (frame/overlay.cpp draws
// them); when the world keeps its clubs, their names are read from there.
static const char* sideName(const frame::World&, int team) {
    return team == 1 ? "DYNAMO" : "SHAKHTAR";
}

struct Announced {
    int goals1 = 0;
    int goals2 = 0;
    bool finalScore = false;
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
}

void announceFrame(const frame::World& world) {
    const int goals1 = world.match.goalsTeam1;
    const int goals2 = world.match.goalsTeam2;
    if (goals1 > announced.goals1)
        announceOnPage("Goal for " + std::string(sideName(world, 1)) + ": " + score(world));
    else if (goals2 > announced.goals2)
        announceOnPage("Goal for " + std::string(sideName(world, 2)) + ": " + score(world));
    if (world.panel.finalScore && !announced.finalScore)
        announceOnPage("Final score: " + std::string(sideName(world, 1)) + " " + score(world) +
                       " " + sideName(world, 2));
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
