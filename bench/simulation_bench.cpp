// simulation_bench.cpp -- the cost of one simulation tick, of the rain's step in
// each weather, and of one headless frame with its trace line.
#include <benchmark/benchmark.h>

#include "frame/frame_state.h"
#include "frame/process_state.h"
#include "render/rain_field.h"
#include "sim/match_state.h"
#include "tools/trace_line.h"

// From program start, a match some way into play, so every step has work to do.
static void startPlaying() {
    frame::resetProcessState();
    sim::resetMatch();
    for (int tick = 0; tick < 5000; ++tick)
        sim::matchTick();
}

static void BM_matchTick(benchmark::State& state) {
    startPlaying();
    for (auto _ : state) {
        sim::matchTick();
        benchmark::DoNotOptimize(sim::match);
    }
}
BENCHMARK(BM_matchTick);

// raining 0 with every drop resting; raining 1 past clock 500 (pouring).
static void BM_stepRain(benchmark::State& state) {
    frame::resetProcessState();
    const bool pouring = state.range(0) != 0;
    render::rainField.raining = pouring ? 1 : 0;
    render::rainField.clock = pouring ? 600 : 300;
    for (int frame = 0; frame < 200; ++frame)
        render::stepRain(0, 0);
    for (auto _ : state) {
        render::rainField.clock = pouring ? 600 : 300;  // no switch in the middle
        render::stepRain(0, 0);
        benchmark::DoNotOptimize(render::rainField);
    }
}
BENCHMARK(BM_stepRain)->Arg(0)->Arg(1);

// One headless frame with its line, as football-trace makes it; frames_per_second
// is what one core gives the trace (it must stay at 100,000 or more).
static void BM_traceFrame(benchmark::State& state) {
    startPlaying();
    sim::match.warmUpFrames = 101;
    static char line[tools::kTraceLineMax];
    std::int64_t frame = 0;
    for (auto _ : state) {
        frame::advanceFrameState();
        benchmark::DoNotOptimize(tools::traceLine(++frame, nullptr, line));
    }
    state.counters["frames_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_traceFrame);

BENCHMARK_MAIN();
