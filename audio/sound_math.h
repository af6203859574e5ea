// sound_math.h -- the sound's own arithmetic: integer noise, a sine, filter rates.
#pragma once

#include <cstdint>

// Only +, -, *, / and integer operations: no C library maths, whose last bit
// differs between glibc, mingw-w64 and emscripten, so the samples are the same
// bytes on every system.
namespace audio {

constexpr int kSampleRate = 48000;  // samples a second, each a left and a right value
// Levels, brightness and ramps are steered once every control block (1 ms),
// counted on the sample clock, so how the samples are asked for changes nothing.
constexpr int kControlBlock = 48;
constexpr int kControlBlocksPerSecond = kSampleRate / kControlBlock;

// Pi as a float, the sound's own: common::kPi's header brings the C library's
// maths, which the sound never includes.
constexpr float kPi = 3.14159265f;

// One step of a xorshift generator (never 0 once seeded non-zero).
inline std::uint32_t nextNoise(std::uint32_t& state) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

// White noise, uniform in -1..1: 24 bits of the generator, exact in a float.
inline float noiseSample(std::uint32_t& state) {
    return static_cast<float>(nextNoise(state) >> 8) * (1.0f / 8388608.0f) - 1.0f;
}

// Uniform in 0..1.
inline float noiseUnit(std::uint32_t& state) {
    return static_cast<float>(nextNoise(state) >> 8) * (1.0f / 16777216.0f);
}

// sin(2 pi phase / 2^32), within 4e-6: the phase folded onto the first
// quarter-turn, then an odd Taylor polynomial of degree 9.
inline float sine(std::uint32_t phase) {
    const bool negative = phase >= 0x80000000u;
    std::uint32_t half = phase & 0x7FFFFFFFu;
    if (half > 0x40000000u)
        half = 0x80000000u - half;
    const float x = static_cast<float>(half) * (2.0f * kPi / 4294967296.0f);
    const float x2 = x * x;
    const float s =
        x * (1.0f + x2 * (-1.0f / 6.0f +
                          x2 * (1.0f / 120.0f + x2 * (-1.0f / 5040.0f + x2 * (1.0f / 362880.0f)))));
    return negative ? -s : s;
}

// cos(2 pi phase / 2^32).
inline float cosine(std::uint32_t phase) {
    return sine(phase + 0x40000000u);
}

// Constant-power panning, -1 hard left .. +1 hard right: the left and right
// gains as the cosine and sine of a quarter-turn's share.
struct PanGains {
    float left;
    float right;
};

inline PanGains panGains(float pan) {
    const float clamped = pan > -1.0f ? (pan < 1.0f ? pan : 1.0f) : -1.0f;
    const std::uint32_t angle = static_cast<std::uint32_t>((clamped + 1.0f) * 536870912.0f);
    return PanGains{cosine(angle), sine(angle)};
}

// The phase advance per sample of a tone of `hertz` (0 to 24,000).
inline std::uint32_t phaseStep(float hertz) {
    return static_cast<std::uint32_t>(hertz * (4294967296.0f / kSampleRate));
}

// The coefficient of a one-pole low-pass (y += (x - y) * rate) cutting off at
// `hertz`: w / (1 + w), close to 1 - e^-w without the exponential.
constexpr float lowPassRate(float hertz) {
    const float w = 2.0f * kPi * hertz / kSampleRate;
    return w / (1.0f + w);
}

// The per-sample factor of an exponential decay with a time constant of
// `seconds`: 1 / (1 + 1 / (seconds * rate)), close to e^(-1 / (seconds * rate)).
constexpr float decayFactor(float seconds) {
    return 1.0f / (1.0f + 1.0f / (seconds * kSampleRate));
}

// A per-block glide's rate reaching about 63% of the way in `seconds`.
constexpr float glideRate(float seconds) {
    return 1.0f / (seconds * kControlBlocksPerSecond + 1.0f);
}

// Moves `value` towards `goal`; lands on it once closer than 1e-5, so that a
// level gliding to silence reaches exact zero rather than ever tinier
// (denormal, slow) numbers.
inline void glide(float& value, float goal, float rate) {
    value += (goal - value) * rate;
    const float left = goal - value;
    if (left < 1e-5f && left > -1e-5f)
        value = goal;
}

// Sets the per-sample step that takes `gain` to `goal` across one control
// block. A gain fading out lands on exact zero once inaudible (1e-5), so that
// a voice can stop rather than run on ever tinier numbers.
inline void rampGain(float& gain, float& step, float goal) {
    if (goal == 0.0f && gain < 1e-5f && gain > -1e-5f) {
        gain = 0.0f;
        step = 0.0f;
        return;
    }
    step = (goal - gain) * (1.0f / kControlBlock);
}

// Control blocks in `seconds`.
constexpr std::int32_t blocksIn(float seconds) {
    return static_cast<std::int32_t>(seconds * kControlBlocksPerSecond);
}

// A draw of 0 .. count - 1.
inline std::int32_t pick(std::uint32_t& state, std::uint32_t count) {
    return static_cast<std::int32_t>(nextNoise(state) % count);
}

// A draw between `low` and `high`.
inline float between(std::uint32_t& state, float low, float high) {
    return low + (high - low) * noiseUnit(state);
}

// Clamped to 0..1; NaN becomes 0.
inline float unitRange(float value) {
    return value > 0.0f ? (value < 1.0f ? value : 1.0f) : 0.0f;
}

}  // namespace audio
