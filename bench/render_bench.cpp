// render_bench.cpp -- the cost of drawing a frame and its parts on an offscreen OSMesa context.
#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include "common/random.h"
#include "frame/camera.h"
#include "frame/frame_state.h"
#include "frame/overlay.h"
#include "frame/render_frame.h"
#include "platform/offscreen_context.h"
#include "render/figure_animation.h"
#include "render/figures.h"
#include "render/pitch_ball_rain.h"
#include "render/pitch_markings.h"
#include "render/rain_field.h"
#include "render/scene.h"
#include "render/terrain_drawing.h"
#include "sim/match_state.h"

// A context at the program's size with the scene initialised, as at start-up.
struct Scene {
    platform::OffscreenContext* context;
    explicit Scene(int width, int height) {
        common::setRandomState(1);
        sim::match = sim::initialMatchState();
        frame::camera = frame::initialCamera();
        render::rainField = render::initialRainField();
        context = platform::createOffscreenContext(width, height);
        render::resizeScene(width, height);
        render::initScene();
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

static void figures() {
    const sim::MatchState& m = sim::match;
    render::drawGoalkeeper(m.team1.keeperLateral, 2.0f, 1);
    render::drawGoalkeeper(m.team2.keeperLateral, 98.0f, 3);
    for (const sim::OutfieldPlayer& p : m.team1.outfield)
        render::drawOutfieldPlayer(p.lateral, p.lengthwise, p.heading, render::kTeam1Kit, 1);
    for (const sim::OutfieldPlayer& p : m.team2.outfield)
        render::drawOutfieldPlayer(p.lateral, p.lengthwise, p.heading, render::kTeam2Kit, 4);
}

static void BM_drawTerrain(benchmark::State& state) {
    drawPart(state, render::drawTerrain);
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
