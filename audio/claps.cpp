// claps.cpp -- clapping: noise through the band of hands, struck and dying within milliseconds.
#include "audio/claps.h"

#include "audio/sound_math.h"

namespace audio {

namespace {

// 2 sin(pi f / rate) for 1.5 kHz, and a broad band.
constexpr float kBandFrequency = 0.196f;
constexpr float kBandDamping = 1.1f;
constexpr float kDecay = decayFactor(0.009f);
constexpr float kFollow = lowPassRate(300.0f);  // the strike reached in about a millisecond
constexpr float kLevel = 0.4f;
constexpr std::int32_t kVolleyBlocks = 25;

// A clap lands at a sample of its own within the next control block, not on
// the block's first: hands keep no block time.
void strike(Claps& claps, float height) {
    if (claps.comingIn >= 0)
        claps.strike += claps.coming;
    claps.coming = height * between(claps.choices, 0.4f, 1.0f);
    claps.comingIn = pick(claps.choices, kControlBlock);
}

}  // namespace

Claps initialClaps(std::uint32_t seed, float pan) {
    Claps claps{};
    claps.noise = seed;
    claps.choices = seed ^ 0xA511E9B3u;
    claps.comingIn = -1;
    const PanGains gains = panGains(pan);
    claps.left = gains.left;
    claps.right = gains.right;
    return claps;
}

void clapTogether(Claps& claps, float height) {
    claps.volley = kVolleyBlocks;
    claps.volleyHeight = height;
}

void steerClaps(Claps& claps) {
    if (claps.strike < 1e-6f && claps.envelope < 1e-6f) {  // the hands are still: exact silence
        claps.strike = 0.0f;
        claps.envelope = 0.0f;
    }
    if (claps.volley > 0) {
        // A hand every 3 ms: the same clap each beat, near enough.
        if (--claps.volley % 3 == 0)
            strike(claps, claps.volleyHeight);
    }
    if (claps.density > 0.0f && noiseUnit(claps.choices) * kControlBlocksPerSecond < claps.density)
        strike(claps, claps.loudness);
}

void renderClaps(Claps& claps, float* left, float* right, int count) {
    if (claps.strike == 0.0f && claps.envelope == 0.0f && claps.comingIn < 0)
        return;
    for (int i = 0; i < count; ++i) {
        if (claps.comingIn >= 0 && claps.comingIn-- == 0)
            claps.strike += claps.coming;
        const float x = noiseSample(claps.noise);
        claps.low += kBandFrequency * claps.band;
        claps.band += kBandFrequency * (x - claps.low - kBandDamping * claps.band);
        claps.strike *= kDecay;
        claps.envelope += (claps.strike - claps.envelope) * kFollow;
        const float sound = claps.band * claps.envelope * kLevel;
        left[i] += sound * claps.left;
        right[i] += sound * claps.right;
    }
}

}  // namespace audio
