// web_loop.cpp -- the page's schedule: the frame driver on animation frames, paced as the
// desktop paces its frames, with a link's keys in the frames it names.
#include "web/web_loop.h"

#include <cstdint>
#include <memory>
#include <string>

#include "frame/frame_driver.h"
#include "frame/views.h"
#include "platform/time.h"
#include "platform/web/page_host.h"
#include "platform/web/web_page.h"
#include "platform/web/webgl_raster.h"
#include "web/link_keys.h"
#include "web/page_loop.h"
#include "web/web_announce.h"
#include "web/web_capture.h"
#include "web/web_catch_up.h"
#include "web/web_picture.h"
#include "web/web_session.h"
#include "web/web_touch.h"

namespace web {

static PageLoop loop = {};

PageLoop& pageLoop() {
    return loop;
}

frame::World& pageWorld() {
    if (loop.world == nullptr)
        loop.world = std::make_unique<frame::World>(frame::initialWorld());
    return *loop.world;
}

frame::ReplayTape& pageReplayTape() {
    if (loop.tape == nullptr)
        loop.tape = std::make_unique<frame::ReplayTape>();
    return *loop.tape;
}

// One animation frame: a link's fast frames, or a frame of the match when the
// pacing allows one, seen or, while the context is lost, unseen. The pacing's
// wait is the least time before the next frame, counted from the end of this
// one's drawing, as the desktop's sleep comes before its drawing. No frame is
// ever owed: a wait of 0 (66 ms or more since the frame before, a stall
// included) lets the next animation frame run one frame, whose pacing asks
// for the rest of 66 ms. So no frame comes sooner than 66 ms after the one
// two before it: at most two frames per 66 ms, the desktop's pace.
static void onAnimationFrame() {
    // The scene's programs first (web_main.cpp), however long the browser
    // takes, but not for ever.
    constexpr int kMostProgramWaits = 120;
    if (!webglProgramsReady() && loop.programWaits < kMostProgramWaits) {
        loop.programWaits += 1;
        return;
    }
    if (catchUpSlice())
        return;
    if (loop.holding)
        return;
    const std::uint32_t now = platform::getTickCount();
    if (loop.framesRun > 0 && static_cast<std::int32_t>(now - loop.nextFrameAt) < 0)
        return;
    frame::World& world = pageWorld();
    const std::int64_t n = loop.framesRun + 1;
    loop.framesRun = n;
    // A session link's frames see its keys alone (the watcher's wait for its
    // end); another link's holds are held over the watcher's keys. After the
    // step the watcher's table is back: no key of a link outlives its frames.
    const bool played = n <= loop.played.frames;
    if (!played)
        holdTouchKeys(world.keys);
    const frame::KeyTable watcher =
        takeLinkKeys(world.keys, played ? loop.played : loop.live, n, played);
    if (n == loop.played.frames + 1 && loop.played.frames > 0)
        showPageStatus("");
    logPageFrame(world);
    PageFrameHost host;
    const std::int64_t matches = world.series.nextMatches;
    if (loop.contextLost) {
        frame::runUnseenFrame(world, pageReplayTape(), host);
    } else {
        frame::runLiveFrame(world, pageReplayTape(), host);
    }
    loop.newLandscape = world.series.nextMatches != matches;
    giveKeysBack(world.keys, watcher);
    announceFrame(world);
    loop.nextFrameAt = platform::getTickCount() + host.waitMs;
    showFrameCount(loop.framesRun);
}

void startFrameLoop(const MomentLink& link) {
    loop.newLandscape = true;
    exposeFrameState();
    exposePanelState();
    if (link.sessionGiven) {
        loop.played = frame::sessionScript(link.session.session);
        loop.firstShown = link.session.firstShown;
        showPageStatus("The link's last frames, to frame " + std::to_string(loop.played.frames));
    } else if (link.at > 0) {
        // The moment is held paused, which no key did: no session replays it.
        losePageSession();
        loop.moment = link;
        if (link.view != 0)
            loop.moment.script.holds.push_back(
                frame::KeyHold{frame::viewKey(link.view), 1, link.at});
    } else {
        loop.live = link.script;
        if (link.view != 0)
            loop.live.holds.push_back(frame::KeyHold{frame::viewKey(link.view), 1, 1});
    }
    runOnAnimationFrames(onAnimationFrame);
}

void wakeFrameLoop() {
    if (loop.holding)
        showPageStatus("");
    loop.holding = false;
}

}  // namespace web
