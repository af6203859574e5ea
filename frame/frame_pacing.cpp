// frame_pacing.cpp -- the frame clock and the pacing arithmetic.
#include "frame/frame_pacing.h"

namespace frame {

PacingStep pacingStep(std::uint32_t lastTick, std::uint32_t now) {
    const std::int32_t elapsed = static_cast<std::int32_t>(now - lastTick);
    std::uint32_t sleepMs = 0;
    if (elapsed >= 0 && elapsed < kFrameBudgetMs) {
        sleepMs = static_cast<std::uint32_t>(kFrameBudgetMs - elapsed);
    }
    return PacingStep{now, sleepMs};
}

}  // namespace frame
