// audio_bench.cpp -- the synthesiser's cost for one frame's sound (1,584 sample frames, 33 ms).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "audio/synthesiser.h"

// Ordinary play: the crowd with the danger moving, a pass now and then, and
// rain. Everything: the roar, a whistle, a kick every frame, rain, danger 1.
static audio::FrameCues benchCues(bool everything, int frame) {
    audio::FrameCues cues;
    cues.danger = everything ? 1.0f : static_cast<float>(frame % 90) / 90.0f;
    cues.pass = everything || frame % 20 == 0;
    cues.shot = everything;
    cues.ballPan = static_cast<float>(frame % 30) / 15.0f - 1.0f;
    cues.goal = everything;
    cues.celebrating = everything;
    cues.finalWhistle = everything && frame % 90 == 0;  // blown anew every 3 s: always sounding
    cues.rain = 1.0f;
    return cues;
}

static void BM_synthesiseFrame(benchmark::State& state) {
    const bool everything = state.range(0) != 0;
    audio::Synthesiser synth = audio::initialSynthesiser();
    std::vector<std::int16_t> samples(2 * audio::kSamplesPerFrame);
    int frame = 0;
    for (auto _ : state) {
        audio::cueFrame(synth, benchCues(everything, frame++));
        audio::synthesise(synth, samples.data(), audio::kSamplesPerFrame);
        benchmark::DoNotOptimize(samples.data());
    }
    state.SetLabel(everything ? "everything sounding" : "ordinary play, rain");
}
BENCHMARK(BM_synthesiseFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
