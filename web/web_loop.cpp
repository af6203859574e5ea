// web_loop.cpp -- the frame loop on animation frames, paced as the desktop paces its frames,
// and a link's moment run and held.
#include "web/web_loop.h"

#include <cstdint>
#include <memory>
#include <string>

#include "frame/frame_pacing.h"
#include "frame/frame_state.h"
#include "frame/key_table.h"
#include "frame/match_pause.h"
#include "frame/process_state.h"
#include "frame/render_frame.h"
#include "frame/scene_start.h"
#include "frame/viewport_size.h"
#include "frame/views.h"
#include "platform/time.h"
#include "platform/web/page_host.h"
#include "platform/web/web_page.h"
#include "platform/web/webgl_raster.h"
#include "render/gl_errors.h"

namespace web {

// The loop's own record, alive for the whole page.
struct FrameLoop {
    // Frames run since the page started, the link's included.
    long long framesRun;
    // Without a moment: the link's holds, played in the first frames.
    tools::FrameScript live;
    // The moment's picture stays until the watcher acts.
    bool holding;
    // The link's moment, with its view held, and every record as the
    // moment's frame found them.
    MomentLink moment;
    std::unique_ptr<frame::ProcessState> beforeMoment;
    // The next picture drawn is offered as a download.
    bool screenshotWanted;
    // No frame starts before this tick.
    std::uint32_t nextFrameAt;
    int errorsReported;
};

static FrameLoop loop = {};

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

static void drawFrame() {
    if (loop.screenshotWanted) {
        // The download is the picture without its labels ("PAUSED"), as the
        // desktop's screenshots are; the canvas is copied when it is asked.
        loop.screenshotWanted = false;
        frame::renderFramePicture();
        flushWebglRaster();
        downloadPicture();
    }
    frame::renderFrame();
    flushWebglRaster();
    reportErrors();
}

// The link's keys in the frames it names, as key-downs and key-ups.
static void playLiveHolds(long long frameNumber) {
    for (const tools::KeyHold& hold : loop.live.holds) {
        if (hold.from == frameNumber)
            frame::pressKey(frame::keyTable, hold.key);
        if (hold.to + 1 == frameNumber)
            frame::releaseKey(frame::keyTable, hold.key);
    }
}

// The moment's frame: its keys, its state step and its picture, after which
// the match stands paused there.
static void runMomentFrame() {
    tools::applyKeyHolds(loop.moment.script, loop.moment.at, frame::keyTable);
    frame::advanceSimulation();
    drawFrame();
    frame::keyTable = frame::KeyTable{};
    frame::matchPause.paused = true;
}

// The frames up to the moment with the link's keys, as football-record runs
// them: state alone, except the frame before the moment (its drawing leaves
// the current normal the moment's pitch is lit with) and the moment itself,
// whose picture is then held.
static void runMoment(const MomentLink& link) {
    loop.moment = link;
    if (link.view != 0)
        loop.moment.script.holds.push_back(tools::KeyHold{frame::viewKey(link.view), 1, link.at});
    for (std::int64_t n = 1; n < link.at; ++n) {
        tools::applyKeyHolds(loop.moment.script, n, frame::keyTable);
        loop.framesRun = n;
        if (n + 1 == link.at) {
            frame::advanceSimulation();
            drawFrame();
        } else {
            frame::advanceFrameState();
        }
    }
    loop.framesRun = link.at;
    loop.beforeMoment = frame::saveProcessState();
    runMomentFrame();
    loop.holding = true;
    showFrameCount(loop.framesRun);
}

// The held picture again (at a new size, or to be saved): every record back
// as the moment's frame found them, and the frame once more.
static void redrawMoment() {
    const frame::ViewportSize size = frame::viewportSize;
    frame::restoreProcessState(*loop.beforeMoment);
    frame::resizeScene(size.width, size.height);
    runMomentFrame();
}

// One animation frame: a frame of the match when the pacing allows one. The
// pacing step is the desktop's; its sleep becomes the wait before the next
// frame, counted from the end of this one's drawing as the desktop's sleep
// comes before its drawing.
static void onAnimationFrame() {
    if (loop.holding)
        return;
    const std::uint32_t now = platform::getTickCount();
    if (loop.framesRun > 0 && static_cast<std::int32_t>(now - loop.nextFrameAt) < 0)
        return;
    loop.framesRun += 1;
    playLiveHolds(loop.framesRun);
    frame::advanceSimulation();
    const frame::PacingStep step = frame::pacingStep(frame::frameClock.lastTick, now);
    frame::frameClock.lastTick = step.lastTick;
    drawFrame();
    frame::markKeysSeen(frame::keyTable);
    loop.nextFrameAt = platform::getTickCount() + step.sleepMs;
    showFrameCount(loop.framesRun);
}

void startFrameLoop(const MomentLink& link) {
    if (link.at > 0) {
        runMoment(link);
    } else {
        loop.live = link.script;
        if (link.view != 0)
            loop.live.holds.push_back(tools::KeyHold{frame::viewKey(link.view), 1, 1});
    }
    runOnAnimationFrames(onAnimationFrame);
}

void wakeFrameLoop() {
    loop.holding = false;
}

void requestScreenshot() {
    loop.screenshotWanted = true;
    // A held picture is drawn again to be saved.
    if (loop.holding)
        redrawMoment();
}

void followCanvasSize() {
    int width = 0, height = 0;
    canvasDevicePixels(width, height);
    if (width <= 0 || height <= 0)
        return;
    if (width == frame::viewportSize.width && height == frame::viewportSize.height)
        return;
    setCanvasSize(width, height);
    frame::resizeScene(width, height);
    // A canvas of a new size starts blank: a held picture is drawn again.
    if (loop.holding)
        redrawMoment();
}

}  // namespace web
