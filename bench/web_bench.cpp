// web_bench.cpp -- the cost of a frame in the browser, as bench/render_bench measures it on the
// desktop: the same frame drawn again and again from a snapshot of every record, at 1024x768.
// Prints one line per case to the console, medians in milliseconds:
//   wasm_ms   the frame's state steps and calls until the last WebGL call returns
//             (everything but the browser's rasterising);
//   frame_ms  until the picture is finished (a one-pixel read waits for it).
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "frame/frame_picture.h"
#include "frame/frame_step.h"
#include "frame/scene_start.h"
#include "frame/views.h"
#include "frame/world.h"
#include "platform/web/fixed_gl.h"
#include "platform/web/page_host.h"
#include "platform/web/webgl_raster.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr int kIterations = 25;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void wholeFrame(frame::World& world) {
    frame::stepFrame(world);
    frame::drawFrame(world);
    web::flushWebglRaster();
}

// Frames 1..frame-1 as state alone, the preset's key held (0: the start-up view).
void measure(int frameNumber, int view) {
    const auto world = std::make_unique<frame::World>(frame::initialWorld());
    frame::resizeScene(*world, kWidth, kHeight);
    frame::initScene(*world);
    if (view != 0)
        world->keys.held[frame::viewKey(view)] = true;
    for (int n = 1; n < frameNumber; ++n)
        frame::stepFrame(*world);
    const auto snapshot = std::make_unique<frame::World>(*world);
    wholeFrame(*world);  // the shapes' lists compiled, the current normal as in play
    web::finishWebglPicture();
    std::vector<double> wasm, whole;
    for (int i = 0; i < kIterations; ++i) {
        *world = *snapshot;
        const double t0 = web::pageMilliseconds();
        wholeFrame(*world);
        const double t1 = web::pageMilliseconds();
        web::finishWebglPicture();
        const double t2 = web::pageMilliseconds();
        wasm.push_back(t1 - t0);
        whole.push_back(t2 - t0);
    }
    std::printf("football-bench: frame %d view %d: wasm_ms %.1f frame_ms %.1f\n", frameNumber, view,
                median(wasm), median(whole));
}

}  // namespace

int main() {
    web::setCanvasSize(kWidth, kHeight);
    std::string error;
    if (!web::makeCanvasContext() || !web::startWebglRaster(error)) {
        std::printf("football-bench: no WebGL context %s\n", error.c_str());
        return 1;
    }
    fixedgl::resetContext();
    fixedgl::setRasterSink(&web::webglRaster());
    for (const int frameNumber : {2000, 3600}) {
        for (const int view : {0, 2, 3, 4, 5})
            measure(frameNumber, view);
    }
    std::printf("football-bench: done\n");
    return 0;
}
