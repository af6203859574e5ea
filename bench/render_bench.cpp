// render_bench.cpp -- the cost of drawing a frame and its parts on an offscreen OSMesa context.
//
// Every iteration draws the same frame: the process-wide records are put back
// to a snapshot taken at the chosen frame before each one. Reported per
// benchmark, as medians over the iterations, in milliseconds:
//   frame_ms   the whole picture, finished (glFinish);
//   submit_ms  the calls on the main thread until the last one returns;
//   finish_ms  what glFinish then waits for (rasterisation on the renderer's
//              threads);
//   submit_cpu_ms, process_cpu_ms  the processor time of the main thread
//              during the calls, and of the whole process (the renderer's
//              threads included) until glFinish returns: steadier than the
//              clock when other programs share the processors.
#include <GL/gl.h>
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "frame/camera.h"
#include "frame/frame_picture.h"
#include "frame/frame_step.h"
#include "frame/overlay.h"
#include "frame/overlay_layout.h"
#include "frame/scene_start.h"
#include "frame/world.h"
#include "platform/offscreen_context.h"
#include "render/figure_animation.h"
#include "render/heightmap.h"
#include "render/pitch_ball_rain.h"
#include "render/pitch_markings.h"
#include "render/rain_field.h"
#include "render/terrain_drawing.h"
#include "sim/match_state.h"

namespace {

using Clock = std::chrono::steady_clock;

// A context at the program's size with the scene initialised, as at start-up.
// The world the parts below draw from: the benchmark's own.
frame::World& world() {
    static const std::unique_ptr<frame::World> world =
        std::make_unique<frame::World>(frame::initialWorld());
    return *world;
}

struct Scene {
    platform::OffscreenContext* context;
    Scene(int width, int height) {
        world() = frame::initialWorld();
        context = platform::createOffscreenContext(width, height);
        if (context == nullptr)
            return;
        frame::resizeScene(world(), width, height);
        frame::initScene(world());
    }
    ~Scene() {
        if (context == nullptr)
            return;
        frame::deleteOverlayFont();
        platform::destroyOffscreenContext(context);
    }
};

// Runs frames 1..frame-1 without pictures, with the preset view's key (2 to 5)
// held throughout (0: the start-up view), and leaves the key held for `frame`.
void runUpTo(int frame, int view) {
    if (view != 0)
        world().keys.held[frame::kKeyPresetFirst + view - 2] = true;
    for (int n = 1; n < frame; ++n)
        frame::stepWorld(world());
}

double milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double cpuMilliseconds(clockid_t clock) {
    timespec t;
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) * 1e-6;
}

double median(std::vector<double> values) {
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Times `draw` once: the calls, then glFinish.
struct Timing {
    std::vector<double> submit, finish, total, submitCpu, processCpu;
    void measure(benchmark::State& state, void (*draw)()) {
        glFinish();
        const double process0 = cpuMilliseconds(CLOCK_PROCESS_CPUTIME_ID);
        const double thread0 = cpuMilliseconds(CLOCK_THREAD_CPUTIME_ID);
        const Clock::time_point t0 = Clock::now();
        draw();
        const Clock::time_point t1 = Clock::now();
        submitCpu.push_back(cpuMilliseconds(CLOCK_THREAD_CPUTIME_ID) - thread0);
        glFinish();
        const Clock::time_point t2 = Clock::now();
        processCpu.push_back(cpuMilliseconds(CLOCK_PROCESS_CPUTIME_ID) - process0);
        submit.push_back(milliseconds(t1 - t0));
        finish.push_back(milliseconds(t2 - t1));
        total.push_back(milliseconds(t2 - t0));
        state.SetIterationTime(std::chrono::duration<double>(t2 - t0).count());
    }
    void report(benchmark::State& state) const {
        state.counters["frame_ms"] = median(total);
        state.counters["submit_ms"] = median(submit);
        state.counters["finish_ms"] = median(finish);
        state.counters["submit_cpu_ms"] = median(submitCpu);
        state.counters["process_cpu_ms"] = median(processCpu);
    }
};

void wholeFrame() {
    frame::stepWorld(world());
    frame::drawFrame(world());
}

// One whole frame (its state steps included) at 1024x768: range(0) the frame
// number, range(1) the view (0 start-up, 2 to 5 the presets).
void BM_frame(benchmark::State& state) {
    Scene scene(1024, 768);
    if (scene.context == nullptr) {
        state.SkipWithError("no offscreen context");
        return;
    }
    runUpTo(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const auto snapshot = std::make_unique<frame::World>(world());
    Timing timing;
    for (auto _ : state) {
        world() = *snapshot;
        timing.measure(state, wholeFrame);
    }
    timing.report(state);
}
BENCHMARK(BM_frame)
    ->ArgNames({"frame", "view"})
    ->ArgsProduct({{2000, 3600}, {0, 2, 3, 4, 5}})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void figures() {
    frame::drawFigures(world().match, world().animation);
}
void terrain() {
    render::drawTerrain(world().heightmap);
}
void rain() {
    render::drawRain(world().rain);
}
void clear() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}
void ball() {
    render::drawBall(world().match.ball.lateral, world().match.ball.lengthwise);
}
void linesAndArcs() {
    render::drawGroundLines();
    render::drawArcs();
}
void overlay() {
    const frame::OverlayLayout layout = frame::overlayLayout(1024, 768);
    frame::beginOverlay(world().viewport);
    frame::drawScoreboard(layout, world().match.goalsTeam1, world().match.goalsTeam2);
    frame::drawGoalBanner(layout);
    frame::endOverlay();
}

struct Part {
    const char* name;
    void (*draw)();
};
const Part kParts[] = {
    {"clear", clear},
    {"pitch", render::drawPitch},
    {"ball", ball},
    {"terrain", terrain},
    {"lines_and_arcs", linesAndArcs},
    {"goals_and_nets", render::drawGoals},
    {"flags", render::drawFlags},
    {"figures", figures},
    {"rain", rain},
    {"overlay_with_banner", overlay},
};

// One part on its own, on a cleared picture, from the start-up view in frame
// 3600 (full rain), after one whole frame has been drawn (lists compiled).
void BM_part(benchmark::State& state) {
    const Part& part = kParts[state.range(0)];
    state.SetLabel(part.name);
    Scene scene(1024, 768);
    if (scene.context == nullptr) {
        state.SkipWithError("no offscreen context");
        return;
    }
    runUpTo(3600, 0);
    const auto snapshot = std::make_unique<frame::World>(world());
    wholeFrame();
    world() = *snapshot;
    Timing timing;
    for (auto _ : state) {
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_LIGHTING);
        frame::resizeScene(world(), 1024, 768);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        frame::placeCamera(world().camera);
        timing.measure(state, part.draw);
    }
    timing.report(state);
}
BENCHMARK(BM_part)
    ->ArgName("part")
    ->DenseRange(0, static_cast<int>(sizeof kParts / sizeof kParts[0]) - 1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
