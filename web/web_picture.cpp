// web_picture.cpp -- the page's picture: a frame's shown and its errors reported, or the world's
// drawn again as it stands.
#include "web/web_picture.h"

#include <string>

#include "frame/frame_picture.h"
#include "frame/replay_picture.h"
#include "platform/time.h"
#include "platform/web/web_page.h"
#include "platform/web/webgl_raster.h"
#include "render/gl_errors.h"
#include "web/page_loop.h"
#include "web/web_capture.h"
#include "web/web_loop.h"
#include "web/web_sound.h"

namespace web {

// Errors are reported, never fatal: the first few, then silence. The layer's
// own are read every frame. WebGL's are left to the browser, which logs each
// as it happens: asking for them waits until the browser has drawn all that
// was sent, which under a software rasteriser held the page's thread 150 to
// 400 ms (the first frames, with their shaders and buffers, and any frame
// while the drawing lags behind).
static void reportErrors() {
    constexpr int kMostReports = 10;
    PageLoop& loop = pageLoop();
    if (loop.errorsReported >= kMostReports)
        return;
    const std::string layer = render::drainGlErrors();
    if (!layer.empty()) {
        reportPageError("football: OpenGL error in frame " + std::to_string(loop.framesRun) + ": " +
                        layer);
        loop.errorsReported += 1;
    }
}

std::uint32_t PageFrameHost::tickCount() {
    return platform::getTickCount();
}

void PageFrameHost::pictureDrawn(frame::World&) {
    offerPictureIfWanted();
}

void PageFrameHost::present() {
    flushWebglRaster();
    reportErrors();
}

void PageFrameHost::cueSound(const audio::FrameCues& cues) {
    cuePageSound(cues);
}

void redrawPicture() {
    if (pageLoop().contextLost)
        return;
    const frame::World& world = pageWorld();
    frame::drawFramePicture(world, pageReplayTape());
    offerPictureIfWanted();
    frame::drawFrameLabels(world);
    flushWebglRaster();
    reportErrors();
}

}  // namespace web
