// sound_track_test.cpp -- football-trace --audio: the match heard, the same every time.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "common/numeric.h"
#include "tests/support/program_run.h"

namespace {

constexpr int kFrameSamples = 1584;

// The number after `key` in a trace line, or the sum of the two in a pair.
int traceValue(const std::string& line, const std::string& key) {
    const std::size_t at = line.find("\"" + key + "\":");
    if (at == std::string::npos)
        return -1;
    const char* text = line.c_str() + at + key.size() + 3;
    if (*text != '[')
        return std::atoi(text);
    return std::atoi(text + 1) + std::atoi(std::strchr(text, ',') + 1);
}

// Power of the left channel in frame `frame` (1-based): over all frequencies,
// or (`band`) summed over Goertzel bins every 100 Hz from 2 to 4.5 kHz.
double power(const std::vector<std::int16_t>& left, int frame, bool band) {
    const std::int16_t* x = left.data() + static_cast<std::size_t>(frame - 1) * kFrameSamples;
    double sum = 0.0;
    if (!band) {
        for (int i = 0; i < kFrameSamples; ++i)
            sum += static_cast<double>(x[i]) * x[i];
        return sum / kFrameSamples;
    }
    for (double hertz = 2000.0; hertz <= 4500.0; hertz += 100.0) {
        const double k = 2.0 * std::cos(2.0 * common::kPi * hertz / 48000.0);
        double s1 = 0.0, s2 = 0.0;
        for (int i = 0; i < kFrameSamples; ++i) {
            const double s0 = x[i] + k * s1 - s2;
            s2 = s1;
            s1 = s0;
        }
        sum += (s1 * s1 + s2 * s2 - k * s1 * s2) / kFrameSamples;
    }
    return sum;
}

TEST(SoundTrack, WhistlesAtEveryKickOffAndRoarsAtEveryGoalTheSameEveryTime) {
    test_support::TempDir dir;
    const std::string first = dir.path() + "/a.wav", again = dir.path() + "/b.wav";
    const test_support::ProgramRun run =
        test_support::runProgram(FOOTBALL_TRACE_PATH, {"3000", "--audio", first});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string bytes = test_support::readWholeFile(first);
    ASSERT_EQ(bytes.size(), 44u + 3000u * kFrameSamples * 4);
    std::vector<std::int16_t> left(3000 * kFrameSamples);
    for (std::size_t i = 0; i < left.size(); ++i)
        std::memcpy(&left[i], bytes.data() + 44 + 4 * i, 2);

    // Kick-offs: the warm-up's end and every goal's award; goals: the ball in the net.
    std::vector<int> kickOffs, goals;
    std::size_t start = run.out.find('\n') + 1;
    std::string previous = run.out.substr(0, start);
    for (int frame = 1; frame <= 3000; ++frame) {
        const std::size_t end = run.out.find('\n', start);
        const std::string line = run.out.substr(start, end - start);
        if ((traceValue(previous, "warmUp") <= 100 && traceValue(line, "warmUp") > 100) ||
            traceValue(line, "goals") > traceValue(previous, "goals"))
            kickOffs.push_back(frame);
        if (traceValue(previous, "goalCelebration") == 0 && traceValue(line, "goalCelebration") > 0)
            goals.push_back(frame);
        previous = line;
        start = end + 1;
    }
    ASSERT_GE(kickOffs.size(), 3u);
    ASSERT_GE(goals.size(), 2u);
    // The whistle: the band's share of the sound grows at least threefold, over
    // the crowd after the warm-up and over the goal's roar at a restart.
    const auto share = [&left](int frame) {
        return power(left, frame, true) / power(left, frame, false);
    };
    for (const int frame : kickOffs)
        EXPECT_GT(share(frame + 2), 3.0 * share(frame - 1)) << "a whistle in frame " << frame;
    for (const int frame : goals) {
        double before = 0.0, after = 0.0;
        for (int n = 0; n < 20; ++n) {
            before += power(left, frame - 30 + n, false);
            after += power(left, frame + 5 + n, false);
        }
        EXPECT_GT(after, 2.0 * before) << "a roar for the goal in frame " << frame;
    }

    ASSERT_EQ(test_support::runProgram(FOOTBALL_TRACE_PATH, {"3000", "--audio", again}).status, 0);
    EXPECT_EQ(test_support::readWholeFile(again), bytes);
    ASSERT_EQ(
        test_support::runProgram(FOOTBALL_TRACE_PATH, {"3000", "--audio", again, "--seed", "42"})
            .status,
        0);
    EXPECT_NE(test_support::readWholeFile(again), bytes);
}

}  // namespace
