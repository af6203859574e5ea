// render_bench.cpp -- the cost of drawing a frame and its parts on an offscreen OSMesa context.
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include "frame/frame_state.h"
#include "frame/overlay.h"
#include "frame/process_state.h"
#include "frame/render_frame.h"
#include "frame/scene_start.h"
#include "platform/offscreen_context.h"
#include "render/figure_animation.h"
#include "render/heightmap.h"
#include "render/pitch_ball_rain.h"
#include "render/pitch_markings.h"
#include "render/rain_field.h"
#include "render/terrain_drawing.h"
#include "sim/match_state.h"

// A context at the program's size with the scene initialised, as at start-up.
struct Scene {
    platform::OffscreenContext* context;
    explicit Scene(int width, int height) {
        frame::resetProcessState();
        context = platform::createOffscreenContext(width, height);
        frame::resizeScene(width, height);
        frame::initScene();
    }
    ~Scene() {
        frame::deleteOverlayFont();
        platform::destroyOffscreenContext(context);
    }
};

// One whole picture (frame state included), finished, at the given size.
static void BM_renderFrame(benchmark::State& state) {
    Scene scene(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    if (scene.context == nullptr) {
        state.SkipWithError("no offscreen context");
        return;
    }
    render::rainField.raining = state.range(2) != 0 ? 1 : 0;
    render::rainField.clock = state.range(2) != 0 ? 600 : 300;
    for (auto _ : state) {
        frame::advanceSimulation();
        frame::renderFrame();
        glFinish();
    }
}
BENCHMARK(BM_renderFrame)
    ->Args({1024, 768, 0})
    ->Args({1024, 768, 1})
    ->Args({320, 240, 0})
    ->Unit(benchmark::kMillisecond);

// The parts on their own, from the default camera, finished.
static void drawPart(benchmark::State& state, void (*part)()) {
    Scene scene(1024, 768);
    if (scene.context == nullptr) {
        state.SkipWithError("no offscreen context");
        return;
    }
    frame::renderFrame();
    for (auto _ : state) {
        part();
        glFinish();
    }
}

static void terrain() {
    render::drawTerrain(render::heightmap);
}

static void figures() {
    frame::drawFigures(sim::match, render::figureAnimation);
}

static void BM_drawTerrain(benchmark::State& state) {
    drawPart(state, terrain);
}
static void BM_drawPitch(benchmark::State& state) {
    drawPart(state, render::drawPitch);
}
static void BM_drawPitchMarkings(benchmark::State& state) {
    drawPart(state, render::drawPitchMarkings);
}
static void BM_drawFigures(benchmark::State& state) {
    drawPart(state, figures);
}
BENCHMARK(BM_drawTerrain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_drawPitch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_drawPitchMarkings)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_drawFigures)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
