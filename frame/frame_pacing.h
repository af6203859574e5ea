// frame_pacing.h -- pacing frames against a 66-millisecond budget: the clock record and the
// arithmetic.
#pragma once

#include <cstdint>

namespace frame {

// The frame budget in milliseconds.
constexpr std::int32_t kFrameBudgetMs = 66;

// The tick count read at the previous frame's pacing step; 0 until the first
// frame. One member of the world, alive for the whole run; it survives the
// re-creation of the window and is written only by the live frame
// (runLiveFrame), which hosts with a clock run.
struct FrameClock {
    std::uint32_t lastTick;
};

// One pacing step: the reading to keep as lastTick and how long to sleep.
struct PacingStep {
    std::uint32_t lastTick;
    std::uint32_t sleepMs;
};

// The pacing arithmetic of runLiveFrame, from the previous reading and the tick
// count read now. Elapsed = now - lastTick in 32-bit arithmetic, taken as
// signed; below 66 ms the frame sleeps 66 - elapsed ms. The reading before the
// sleep is kept, so the sleep counts towards the next frame's elapsed time. A
// negative elapsed time (only the first frame can have one, once the tick
// count has passed 2^31) sleeps 0: no sleep is ever longer than 66 ms.
PacingStep pacingStep(std::uint32_t lastTick, std::uint32_t now);

}  // namespace frame
