// audio_bench.cpp -- the synthesiser's cost for one frame's sound (1,584 sample frames, 33 ms).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "audio/synthesiser.h"

// Ordinary play: the crowd with the danger moving, a pass now and then, and
// rain. Everything: team 1 scoring every 10 s (the roar, the applause, the
// song after it), team 2 shooting wide every 2 s (their "ooh" and groan, the
// jeers and whistles across the ground), a kick every frame, the final
// whistle, rain, danger 1.
static audio::FrameCues benchCues(bool everything, int frame) {
    audio::FrameCues cues;
    cues.danger = everything ? 1.0f : static_cast<float>(frame % 90) / 90.0f;
    cues.pass = everything || frame % 20 == 0;
    cues.ballPan = static_cast<float>(frame % 30) / 15.0f - 1.0f;
    cues.ballTeam = 1 + frame / 45 % 2;
    cues.rain = 1.0f;
    if (!everything)
        return cues;
    cues.goal = frame % 300 == 0;
    cues.scoringTeam = 1;
    cues.celebrating = frame % 300 < 42;
    cues.shot = frame % 60 == 30;
    cues.shotInFlight = frame % 60 >= 30 && frame % 60 < 44;
    cues.shootingTeam = 2;
    cues.shotWide = frame % 60 == 44;
    cues.finalWhistle = frame % 90 == 0;  // blown anew every 3 s: always sounding
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
