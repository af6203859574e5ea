// frame_pacing_test.cpp -- the pacing arithmetic against the 66 ms budget.
#include "frame/frame_pacing.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using frame::pacingStep;

TEST(FramePacing, FirstFrameDoesNotSleep) {
    // lastTick is 0 until the first frame: elapsed is the whole tick count.
    const frame::PacingStep step = pacingStep(0, 123456);
    EXPECT_EQ(step.sleepMs, 0u);
    EXPECT_EQ(step.lastTick, 123456u);
}

TEST(FramePacing, SleepsOutTheRestOfTheBudget) {
    EXPECT_EQ(pacingStep(1000, 1066).sleepMs, 0u);   // exactly 66: no sleep
    EXPECT_EQ(pacingStep(1000, 1065).sleepMs, 1u);   // 65: 1 ms
    EXPECT_EQ(pacingStep(1000, 1067).sleepMs, 0u);   // late: no catching up
    EXPECT_EQ(pacingStep(1000, 1010).sleepMs, 56u);  // 10: 56 ms
    EXPECT_EQ(pacingStep(1000, 1000).sleepMs, 66u);  // 0: the whole budget
}

TEST(FramePacing, KeepsTheReadingTakenBeforeTheSleep) {
    // w = 20 ms of work between pacing steps: the frame that sleeps keeps the
    // reading before its sleep, so the next frame counts the sleep as elapsed
    // time and does not sleep; frames come in pairs, two every 66 + w ms.
    const std::uint32_t work = 20;
    std::uint32_t now = 50000;
    frame::PacingStep step = pacingStep(now - 1000, now);  // a late frame: no sleep
    ASSERT_EQ(step.sleepMs, 0u);
    std::uint32_t sleeps[4] = {};
    const std::uint32_t start = now;
    for (std::uint32_t& slept : sleeps) {
        now += work;
        const frame::PacingStep next = pacingStep(step.lastTick, now);
        EXPECT_EQ(next.lastTick, now);
        slept = next.sleepMs;
        now += next.sleepMs;
        step = next;
    }
    EXPECT_EQ(sleeps[0], 46u);
    EXPECT_EQ(sleeps[1], 0u);
    EXPECT_EQ(sleeps[2], 46u);
    EXPECT_EQ(sleeps[3], 0u);
    EXPECT_EQ(now - start, 2u * (66u + work));
}

TEST(FramePacing, WrapsAt32Bits) {
    // The tick count wraps through 2^32: 0xFFFFFFF0 to 0x10 is 32 ms.
    EXPECT_EQ(pacingStep(0xFFFFFFF0u, 0x10u).sleepMs, 34u);
    EXPECT_EQ(pacingStep(0xFFFFFFF0u, 0x10u).lastTick, 0x10u);
    EXPECT_EQ(pacingStep(0xFFFFFFDEu, 0x20u).sleepMs, 0u);  // 66 across the wrap
}

TEST(FramePacing, NegativeElapsedTimeDoesNotSleep) {
    // The first frame once the tick count has passed 2^31 ms: now - 0 is
    // negative as a signed value. It must not sleep for days.
    EXPECT_EQ(pacingStep(0, 0x80000000u).sleepMs, 0u);
    EXPECT_EQ(pacingStep(0, 0xFFFFFFFFu).sleepMs, 0u);
    EXPECT_EQ(pacingStep(0, 0x80000000u).lastTick, 0x80000000u);
    // A clock that went back: still no sleep.
    EXPECT_EQ(pacingStep(5000, 4000).sleepMs, 0u);
}

TEST(FramePacing, NeverSleepsLongerThanTheBudget) {
    for (std::uint32_t now : {0u, 1u, 65u, 66u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
        for (std::uint32_t last : {0u, 1u, 0x80000000u, 0xFFFFFFFFu}) {
            EXPECT_LE(pacingStep(last, now).sleepMs, 66u) << last << " -> " << now;
        }
    }
}

}  // namespace
