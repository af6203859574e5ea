// web_loop.cpp -- the page's schedule: the frame driver on animation frames, paced as the
// desktop paces its frames, and a link's moment run and held.
#include "web/web_loop.h"

#include <cstdint>
#include <memory>
#include <string>

#include "frame/frame_driver.h"
#include "frame/frame_picture.h"
#include "frame/frame_script.h"
#include "frame/overlay.h"
#include "frame/replay_picture.h"
#include "frame/replay_tape.h"
#include "frame/scene_start.h"
#include "frame/sound_cues.h"
#include "frame/trace_line.h"
#include "frame/views.h"
#include "platform/time.h"
#include "platform/web/page_host.h"
#include "platform/web/web_page.h"
#include "platform/web/webgl_raster.h"
#include "render/gl_errors.h"
#include "web/web_session.h"
#include "web/web_sound.h"
#include "web/web_touch.h"

namespace web {

// The loop's own record, alive for the whole page.
struct FrameLoop {
    std::unique_ptr<frame::World> world;
    // What the page keeps beside its world for the goal replays.
    std::unique_ptr<frame::ReplayTape> tape;
    // Frames run since the page started, the link's included.
    long long framesRun;
    // Without a moment: the link's holds, played in the first frames.
    frame::FrameScript live;
    // The link's moment, with its view held; at is 0 once it has been reached.
    MomentLink moment;
    // A session link's frames (none without one), run fast before its first
    // shown frame, then at the match's pace with its keys, not the watcher's.
    frame::FrameScript played;
    std::int64_t firstShown;
    // The moment's picture stays until the watcher acts.
    bool holding;
    // The frame on screen began a new landscape (start-up, the next match).
    bool newLandscape;
    // The WebGL context is lost: frames run unseen until it comes back.
    bool contextLost;
    // The next picture drawn is offered as a download.
    bool screenshotWanted;
    // No frame starts before this tick.
    std::uint32_t nextFrameAt;
    int errorsReported;
};

static FrameLoop loop = {};

frame::World& pageWorld() {
    if (loop.world == nullptr)
        loop.world = std::make_unique<frame::World>(frame::initialWorld());
    return *loop.world;
}

static frame::ReplayTape& pageReplayTape() {
    if (loop.tape == nullptr)
        loop.tape = std::make_unique<frame::ReplayTape>();
    return *loop.tape;
}

// Errors are reported, never fatal: the first few, then silence. The layer's
// own are read every frame; WebGL's only now and then, since reading them
// waits for the browser's drawing (the browser logs its own as they happen).
static void reportErrors() {
    constexpr int kMostReports = 10;
    constexpr long long kWebglErrorInterval = 256;
    if (loop.errorsReported >= kMostReports)
        return;
    const std::string frameName = " in frame " + std::to_string(loop.framesRun) + ": ";
    const std::string layer = render::drainGlErrors();
    if (!layer.empty()) {
        reportPageError("football: OpenGL error" + frameName + layer);
        loop.errorsReported += 1;
    }
    if (loop.framesRun > 2 && loop.framesRun % kWebglErrorInterval != 0)
        return;
    const std::string webgl = webglErrors();
    if (!webgl.empty()) {
        reportPageError("football: WebGL error" + frameName + webgl);
        loop.errorsReported += 1;
    }
}

// The download is the picture without its labels ("PAUSED"), as the desktop's
// screenshots are; the canvas is copied when it is asked.
static void offerPictureIfWanted() {
    if (!loop.screenshotWanted)
        return;
    loop.screenshotWanted = false;
    flushWebglRaster();
    downloadPicture();
}

// The world's picture, drawn again as it stands: drawing changes nothing.
static void drawWorld() {
    if (loop.contextLost)
        return;
    const frame::World& world = pageWorld();
    frame::drawFramePicture(world, pageReplayTape());
    offerPictureIfWanted();
    frame::drawFrameLabels(world);
    flushWebglRaster();
    reportErrors();
}

// The page as the live frame's host: the page's clock, the pacing's wait
// kept for the schedule, a download between the picture and its labels, and
// the picture handed to WebGL.
class PageFrameHost final : public frame::FrameHost {
  public:
    std::uint32_t tickCount() override { return platform::getTickCount(); }
    void wait(std::uint32_t milliseconds) override { waitMs = milliseconds; }
    void pictureDrawn(frame::World&) override { offerPictureIfWanted(); }
    void present() override {
        flushWebglRaster();
        reportErrors();
    }
    void cueSound(const audio::FrameCues& cues) override { cuePageSound(cues); }
    std::uint32_t waitMs = 0;
};

// The link's keys in the frames it names, as key-downs and key-ups.
static void playLiveHolds(long long frameNumber) {
    for (const frame::KeyHold& hold : loop.live.holds) {
        if (hold.from == frameNumber)
            frame::pressKey(pageWorld().keys, hold.key);
        if (hold.to + 1 == frameNumber)
            frame::releaseKey(pageWorld().keys, hold.key);
    }
}

// The longest an animation frame spends on the way to a link's moment, so
// that the page answers while a far moment is reached.
constexpr double kCatchUpSliceMs = 50.0;

static void holdMoment() {
    frame::World& world = pageWorld();
    world.keys = frame::KeyTable{};
    world.pause.paused = true;
    loop.moment.at = 0;
    loop.holding = true;
    holdPageSound();
    drawWorld();
    showPageStatus("Paused at frame " + std::to_string(loop.framesRun) +
                   ": Space or Pause plays on");
}

// The frames up to the moment with the link's keys, as football-record runs
// them, a slice at a time: state alone, except the frame before the moment
// (its drawing leaves the current normal the moment's pitch is lit with) and
// the moment itself, whose picture is then held with the match paused there.
static void catchUpToMoment() {
    frame::World& world = pageWorld();
    const MomentLink& link = loop.moment;
    const double start = pageMilliseconds();
    while (loop.framesRun < link.at && pageMilliseconds() - start < kCatchUpSliceMs) {
        const std::int64_t n = loop.framesRun + 1;
        loop.newLandscape =
            frame::stepScriptedFrame(world, pageReplayTape(), link.script, n).nextMatch;
        loop.framesRun = n;
        if (n + 1 == link.at && !loop.contextLost)
            frame::drawFrame(world, pageReplayTape());
    }
    showFrameCount(loop.framesRun);
    if (loop.framesRun == link.at) {
        holdMoment();
    } else {
        showPageStatus("Going to frame " + std::to_string(link.at) + ": " +
                       std::to_string(loop.framesRun * 100 / link.at) + "%");
    }
}

// A session link's frames before the ones it shows, a slice at a time, as
// catchUpToMoment runs them (the last one drawn), each logged as it runs.
static void catchUpToShown() {
    frame::World& world = pageWorld();
    const double start = pageMilliseconds();
    while (loop.framesRun + 1 < loop.firstShown && pageMilliseconds() - start < kCatchUpSliceMs) {
        const std::int64_t n = loop.framesRun + 1;
        frame::applyKeyHolds(loop.played, n, world.keys);
        logPageFrame(world);
        const std::int64_t matches = world.series.nextMatches;
        frame::stepFrame(world, pageReplayTape());
        loop.newLandscape = world.series.nextMatches != matches;
        loop.framesRun = n;
        if (n + 1 == loop.firstShown && !loop.contextLost)
            frame::drawFrame(world, pageReplayTape());
    }
    showFrameCount(loop.framesRun);
    showPageStatus(loop.framesRun + 1 < loop.firstShown
                       ? "Going to frame " + std::to_string(loop.firstShown) + ": " +
                             std::to_string(loop.framesRun * 100 / loop.firstShown) + "%"
                       : "The link's last frames, to frame " + std::to_string(loop.played.frames));
}

// One animation frame: a frame of the match when the pacing allows one. The
// pacing's wait becomes the wait before the next frame, counted from the end
// of this one's drawing as the desktop's sleep comes before its drawing.
static void onAnimationFrame() {
    if (loop.moment.at > 0) {
        catchUpToMoment();
        return;
    }
    if (loop.framesRun + 1 < loop.firstShown) {
        catchUpToShown();
        return;
    }
    if (loop.holding)
        return;
    const std::uint32_t now = platform::getTickCount();
    if (loop.framesRun > 0 && static_cast<std::int32_t>(now - loop.nextFrameAt) < 0)
        return;
    frame::World& world = pageWorld();
    loop.framesRun += 1;
    // A session link's frames see its keys; the watcher's wait for its end.
    const bool played = loop.framesRun <= loop.played.frames;
    const frame::KeyTable watcherKeys = world.keys;
    if (played) {
        frame::applyKeyHolds(loop.played, loop.framesRun, world.keys);
    } else {
        playLiveHolds(loop.framesRun);
        holdTouchKeys(world.keys);
    }
    if (loop.framesRun == loop.played.frames + 1 && loop.played.frames > 0)
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
    if (played)
        world.keys = watcherKeys;
    frame::markKeysSeen(world.keys);
    loop.nextFrameAt = platform::getTickCount() + host.waitMs;
    showFrameCount(loop.framesRun);
}

// football.state(): the trace's line for the frame on screen.
static const char* stateOfFrameOnScreen() {
    static char line[frame::kTraceLineMax];
    const frame::World& world = pageWorld();
    const std::string terrain = loop.newLandscape ? frame::terrainHash(world.heightmap) : "";
    const std::size_t length = frame::traceLine(
        world, loop.framesRun, loop.newLandscape ? terrain.c_str() : nullptr, line);
    line[length > 0 ? length - 1 : 0] = '\0';  // without its newline
    return line;
}

void loseCanvasContext() {
    loop.contextLost = true;
    showPageStatus("The picture is lost; the match goes on and comes back with it");
}

void restoreCanvasContext() {
    std::string error;
    if (!startWebglRaster(error)) {
        reportPageError("football: the picture cannot come back: " + error);
        return;
    }
    loop.contextLost = false;
    showPageStatus(loop.holding ? "Paused at frame " + std::to_string(loop.framesRun) +
                                      ": Space or Pause plays on"
                                : "");
    frame::World& world = pageWorld();
    // As at start-up: the projection first, which leaves the model-view matrix
    // the identity that the lights' positions are given under.
    frame::resizeScene(world, world.viewport.width, world.viewport.height,
                       world.viewport.pixelRatio);
    frame::deleteOverlayFont();
    frame::restoreSceneObjects();
    drawWorld();
}

void startFrameLoop(const MomentLink& link) {
    loop.newLandscape = true;
    exposeTextQuery("state", stateOfFrameOnScreen);
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

void requestScreenshot() {
    loop.screenshotWanted = true;
    // A held picture is drawn again to be saved.
    if (loop.holding)
        drawWorld();
}

void followCanvasSize() {
    int width = 0, height = 0;
    canvasDevicePixels(width, height);
    if (width <= 0 || height <= 0)
        return;
    frame::World& world = pageWorld();
    const double ratio = pagePixelRatio();
    if (width == world.viewport.width && height == world.viewport.height &&
        ratio == world.viewport.pixelRatio)
        return;
    setCanvasSize(width, height);
    frame::resizeScene(world, width, height, ratio);
    // A canvas of a new size starts blank: a held picture is drawn again.
    if (loop.holding)
        drawWorld();
}

}  // namespace web
