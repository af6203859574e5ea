// web_catch_up.cpp -- a link's frames before the ones it shows, run fast in slices: the
// moment's, then held; a session link's, then shown at the match's pace.
#include "web/web_catch_up.h"

#include <cstdint>

#include "frame/frame_script.h"
#include "frame/replay_picture.h"
#include "platform/web/page_host.h"
#include "platform/web/web_page.h"
#include "web/link_keys.h"
#include "web/page_loop.h"
#include "web/web_announce.h"
#include "web/web_loop.h"
#include "web/web_picture.h"
#include "web/web_session.h"
#include "web/web_sound.h"

namespace web {

// The longest an animation frame spends on the way to a link's moment, so
// that the page answers while a far moment is reached.
constexpr double kCatchUpSliceMs = 50.0;

// The script's frames after those run, up to `last`, for at most one slice,
// as football-record runs them: with the link's keys alone (the watcher's
// wait for the link's end), each logged as it runs, state alone except the
// frame before `firstDrawn`, the first frame whose picture is shown: its
// drawing leaves the current normal that picture's pitch is lit with.
static void runSlice(const frame::FrameScript& script, std::int64_t last, std::int64_t firstDrawn) {
    PageLoop& loop = pageLoop();
    frame::World& world = pageWorld();
    const double start = pageMilliseconds();
    const std::int64_t first = loop.framesRun + 1;
    while (loop.framesRun < last && pageMilliseconds() - start < kCatchUpSliceMs) {
        const std::int64_t n = loop.framesRun + 1;
        // A drawn frame begins a slice and ends it: with the frames before it,
        // or with the picture shown after it, it would hold the page's thread
        // up to twice a slice's time.
        if (n + 1 == firstDrawn && n != first)
            break;
        const frame::KeyTable watcher = takeLinkKeys(world.keys, script, n, true);
        logPageFrame(world);
        loop.newLandscape = frame::stepScriptedFrame(world, pageReplayTape(), script, n).nextMatch;
        loop.framesRun = n;
        if (n + 1 == firstDrawn && !loop.contextLost)
            frame::drawFrame(world, pageReplayTape());
        giveKeysBack(world.keys, watcher);
        if (n + 1 == firstDrawn)
            break;
    }
    noteFrameQuietly(world);
    showFrameCount(loop.framesRun);
}

std::string heldMomentLine() {
    return "Paused at frame " + std::to_string(pageLoop().framesRun) +
           (touchScreen() ? ": tap \u25B6 to play on" : ": Space or Pause plays on");
}

// The moment reached: its picture held with the match paused there, which no
// key did; the watcher's keys act from the next frame on.
static void holdMoment() {
    PageLoop& loop = pageLoop();
    pageWorld().pause.paused = true;
    loop.moment.at = 0;
    loop.holding = true;
    holdPageSound();
    announceFrame(pageWorld());
    redrawPicture();
    showPageStatus(heldMomentLine());
}

static void catchUpToMoment() {
    PageLoop& loop = pageLoop();
    const std::int64_t at = loop.moment.at;
    runSlice(loop.moment.script, at, at);
    if (loop.framesRun == at) {
        holdMoment();
    } else {
        showPageStatus("Going to frame " + std::to_string(at) + ": " +
                       std::to_string(loop.framesRun * 100 / at) + "%");
    }
}

static void catchUpToShown() {
    PageLoop& loop = pageLoop();
    runSlice(loop.played, loop.firstShown - 1, loop.firstShown);
    showPageStatus(loop.framesRun + 1 < loop.firstShown
                       ? "Going to frame " + std::to_string(loop.firstShown) + ": " +
                             std::to_string(loop.framesRun * 100 / loop.firstShown) + "%"
                       : "The link's last frames, to frame " + std::to_string(loop.played.frames));
}

bool catchUpSlice() {
    const PageLoop& loop = pageLoop();
    if (loop.moment.at > 0) {
        catchUpToMoment();
        return true;
    }
    if (loop.framesRun + 1 < loop.firstShown) {
        catchUpToShown();
        return true;
    }
    return false;
}

}  // namespace web
