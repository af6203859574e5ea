// web_bench.cpp -- the cost of a frame in the browser: the same frame drawn again and again from
// a snapshot of every record, on the browser's animation frames, at the page's size in device
// pixels. Prints one line per case (medians):
//   work_ms  the animation frame's own work: the frame's state steps and drawing calls until
//            the last WebGL call returns (everything but the browser's rasterising);
//   fps      animation frames a second while every frame does that work (the browser's
//            rasterising of one frame paces the next);
//   frame_ms until the picture is finished (a one-pixel read waits for it; measured apart).
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
#include "platform/web/web_page.h"
#include "platform/web/webgl_raster.h"

namespace {

constexpr int kWarmUpFrames = 8;
constexpr int kTimedFrames = 25;
constexpr int kFinishedFrames = 7;

struct Case {
    int frameNumber;
    int view;  // 0: the start-up view
};

constexpr Case kCases[] = {{2000, 0}, {2000, 2}, {2000, 3}, {2000, 4}, {2000, 5},
                           {3600, 0}, {3600, 2}, {3600, 3}, {3600, 4}, {3600, 5}};
constexpr int kCaseCount = sizeof kCases / sizeof kCases[0];

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void wholeFrame(frame::World& world) {
    frame::stepWorld(world);
    frame::drawFrame(world);
    web::flushWebglRaster();
}

// The bench's own record, alive for the whole page.
struct Bench {
    int width = 0, height = 0;
    int caseIndex = -1;
    int framesDone = 0;
    std::unique_ptr<frame::World> world;
    std::unique_ptr<frame::World> snapshot;
    std::vector<double> work, intervals;
    double lastStart = 0.0;
};

Bench bench;

// Frames 1..frame-1 as state alone, the preset's key held; the frame drawn once so that the
// shapes' lists are compiled and the current normal is as in play.
void startCase(const Case& c) {
    bench.world = std::make_unique<frame::World>(frame::initialWorld());
    frame::World& world = *bench.world;
    frame::resizeScene(world, bench.width, bench.height);
    frame::initScene(world);
    if (c.view != 0)
        world.keys.held[frame::viewKey(c.view)] = true;
    for (int n = 1; n < c.frameNumber; ++n)
        frame::stepWorld(world);
    bench.snapshot = std::make_unique<frame::World>(world);
    wholeFrame(world);
    bench.framesDone = 0;
    bench.work.clear();
    bench.intervals.clear();
}

// The whole frame until its picture is finished, apart from the animation frames.
double finishedFrameMs() {
    std::vector<double> whole;
    for (int i = 0; i < kFinishedFrames; ++i) {
        *bench.world = *bench.snapshot;
        const double t0 = web::pageMilliseconds();
        wholeFrame(*bench.world);
        web::finishWebglPicture();
        whole.push_back(web::pageMilliseconds() - t0);
    }
    return median(whole);
}

void finishCase() {
    const Case& c = kCases[bench.caseIndex];
    const double work = median(bench.work);
    const double interval = median(bench.intervals);
    std::printf("football-bench: frame %d view %d: work_ms %.2f fps %.1f frame_ms %.1f\n",
                c.frameNumber, c.view, work, 1000.0 / interval, finishedFrameMs());
}

// One animation frame: the case's frame drawn again, timed from the callback's start to the
// last WebGL call; the snapshot restored before, outside the time.
void onAnimationFrame() {
    if (bench.caseIndex >= kCaseCount)
        return;
    if (bench.caseIndex < 0 || bench.framesDone == kWarmUpFrames + kTimedFrames) {
        if (bench.caseIndex >= 0)
            finishCase();
        bench.caseIndex += 1;
        if (bench.caseIndex == kCaseCount) {
            std::printf("football-bench: done %dx%d\n", bench.width, bench.height);
            return;
        }
        startCase(kCases[bench.caseIndex]);
        return;
    }
    *bench.world = *bench.snapshot;
    const double t0 = web::pageMilliseconds();
    wholeFrame(*bench.world);
    const double t1 = web::pageMilliseconds();
    if (bench.framesDone >= kWarmUpFrames) {
        bench.work.push_back(t1 - t0);
        bench.intervals.push_back(t0 - bench.lastStart);
    }
    bench.lastStart = t0;
    bench.framesDone += 1;
}

}  // namespace

int main() {
    web::canvasDevicePixels(bench.width, bench.height);
    web::setCanvasSize(bench.width, bench.height);
    std::string error;
    if (!web::makeCanvasContext() || !web::startWebglRaster(error)) {
        std::printf("football-bench: no WebGL context %s\n", error.c_str());
        return 1;
    }
    fixedgl::resetContext();
    fixedgl::setRasterSink(&web::webglRaster());
    web::runOnAnimationFrames(onAnimationFrame);
    return 0;
}
