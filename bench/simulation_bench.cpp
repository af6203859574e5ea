// simulation_bench.cpp -- the cost of one simulation tick, of the rain's step in
// each weather, and of one headless frame with its trace line.
#include <benchmark/benchmark.h>

#include <memory>

#include "frame/frame_step.h"
#include "frame/trace_line.h"
#include "frame/world.h"
#include "render/rain_field.h"
#include "sim/match_state.h"

// From program start, a match some way into play, so every step has work to do.
static std::unique_ptr<frame::World> startPlaying() {
    auto world = std::make_unique<frame::World>(frame::initialWorld());
    sim::resetMatch(world->match, world->random);
    for (int tick = 0; tick < 5000; ++tick)
        sim::matchTick(world->match, world->random);
    return world;
}

static void BM_matchTick(benchmark::State& state) {
    const auto world = startPlaying();
    for (auto _ : state) {
        sim::matchTick(world->match, world->random);
        benchmark::DoNotOptimize(world->match);
    }
}
BENCHMARK(BM_matchTick);

// raining 0 with every drop resting; raining 1 past clock 500 (pouring).
static void BM_stepRain(benchmark::State& state) {
    const auto world = std::make_unique<frame::World>(frame::initialWorld());
    render::RainField& rain = world->rain;
    const bool pouring = state.range(0) != 0;
    rain.raining = pouring ? 1 : 0;
    rain.clock = pouring ? 600 : 300;
    for (int frame = 0; frame < 200; ++frame)
        render::stepRain(rain, world->random, 0, 0);
    for (auto _ : state) {
        rain.clock = pouring ? 600 : 300;  // no switch in the middle
        render::stepRain(rain, world->random, 0, 0);
        benchmark::DoNotOptimize(rain);
    }
}
BENCHMARK(BM_stepRain)->Arg(0)->Arg(1);

// One headless frame with its line, as football-trace makes it; frames_per_second
// is what one core gives the trace (it must stay at 100,000 or more).
static void BM_traceFrame(benchmark::State& state) {
    const auto world = startPlaying();
    world->match.warmUpFrames = 101;
    static char line[frame::kTraceLineMax];
    std::int64_t frame = 0;
    for (auto _ : state) {
        frame::stepWorld(*world);
        benchmark::DoNotOptimize(frame::traceLine(*world, ++frame, nullptr, line));
    }
    state.counters["frames_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_traceFrame);

BENCHMARK_MAIN();
