// sound_track_test.cpp -- football-trace --audio: the match heard, the same every time.
#include <gtest/gtest.h>

#include <algorithm>
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

// Power of the mono mix in frame `frame` (1-based): over all frequencies,
// or (`band`) summed over Goertzel bins every 100 Hz from 2 to 4.5 kHz.
double power(const std::vector<double>& mono, int frame, bool band) {
    const double* x = mono.data() + static_cast<std::size_t>(frame - 1) * kFrameSamples;
    double sum = 0.0;
    if (!band) {
        for (int i = 0; i < kFrameSamples; ++i)
            sum += x[i] * x[i];
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

// The second number of a pair in a trace line ("ball": its lengthwise place).
double secondValue(const std::string& line, const std::string& key) {
    const std::size_t at = line.find("\"" + key + "\":[");
    return std::atof(line.c_str() + line.find(',', at) + 1);
}

TEST(SoundTrack, WhistlesAtEveryKickOffRoarsAtEveryGoalJeersAtEveryMissTheSameEveryTime) {
    test_support::TempDir dir;
    const std::string first = dir.path() + "/a.wav", again = dir.path() + "/b.wav";
    const test_support::ProgramRun run =
        test_support::runProgram(FOOTBALL_TRACE_PATH, {"3000", "--audio", first});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string bytes = test_support::readWholeFile(first);
    ASSERT_EQ(bytes.size(), 44u + 3000u * kFrameSamples * 4);
    std::vector<double> mono(3000 * kFrameSamples);
    for (std::size_t i = 0; i < mono.size(); ++i) {
        std::int16_t pair[2];
        std::memcpy(pair, bytes.data() + 44 + 4 * i, 4);
        mono[i] = (pair[0] + pair[1]) / 2.0;
    }

    // Kick-offs: the warm-up's end and every goal's award; goals: the ball in
    // the net; misses: a shot's flight ending beyond the line beside the goal,
    // or in the other side's hands (team 1 shoots at lengthwise 100).
    std::vector<int> kickOffs, goals, misses;
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
        const int taker = std::atoi(line.c_str() + line.find("\"possession\":[") + 14);
        const int shooter = secondValue(previous, "ball") > 50.0 ? 1 : 2;
        if (traceValue(previous, "shot") > 0 && traceValue(line, "shot") == 0 &&
            ((traceValue(previous, "goalKickTimer") == 0 &&
              traceValue(line, "goalKickTimer") > 0) ||
             (taker != 0 && taker != shooter)))
            misses.push_back(frame);
        previous = line;
        start = end + 1;
    }
    ASSERT_GE(kickOffs.size(), 3u);
    ASSERT_GE(goals.size(), 2u);
    // The whistle: the band's share of the sound grows at least threefold, over
    // the crowd after the warm-up and over the goal's roar at a restart.
    std::vector<double> level(3001);  // every frame's power
    for (int frame = 1; frame <= 3000; ++frame)
        level[frame] = power(mono, frame, false);
    const auto share = [&mono, &level](int frame) {
        return power(mono, frame, true) / level[frame];
    };
    for (const int frame : kickOffs)
        EXPECT_GT(share(frame + 2), 3.0 * share(frame - 1)) << "a whistle in frame " << frame;
    // The other side's fans whistle at every miss: for most of the second
    // after it the band holds twice the share white noise would (26 bins).
    ASSERT_GE(misses.size(), 6u);
    for (const int frame : misses) {
        std::vector<double> shares;
        for (int after = frame + 5; after < frame + 30; ++after)
            shares.push_back(share(after));
        std::nth_element(shares.begin(), shares.begin() + 12, shares.end());
        EXPECT_GT(shares[12], 52.0) << "fans whistling after frame " << frame;
    }
    // The roar, from the frame the ball crosses the line, after 10 s (303
    // frames) without a goal: 6 dB over their median within half a second
    // (15 frames); its loudest half second in 6 s 10 dB over that median and
    // 6 dB over the loudest half second before.
    const auto span = [&level](int first) {
        double sum = 0.0;
        for (int frame = first; frame < first + 15; ++frame)
            sum += level[frame] / 15.0;
        return sum;
    };
    int judged = 0;
    for (const int frame : goals) {
        const bool calm = std::none_of(kickOffs.begin(), kickOffs.end(), [frame](int other) {
            return other >= frame - 303 && other < frame;
        });
        if (!calm || frame + 182 > 3000)
            continue;
        ++judged;
        std::vector<double> levels;
        double loudestBefore = 0.0, loudestAfter = 0.0;
        for (int before = frame - 303; before < frame; ++before) {
            levels.push_back(level[before]);
            if (before + 15 <= frame)
                loudestBefore = std::max(loudestBefore, span(before));
        }
        std::nth_element(levels.begin(), levels.begin() + 151, levels.end());
        const double median = levels[151];
        for (int after = frame; after + 15 <= frame + 182; ++after)
            loudestAfter = std::max(loudestAfter, span(after));
        double surge = 0.0;
        for (int after = frame; after < frame + 15; ++after)
            surge = std::max(surge, level[after]);
        EXPECT_GT(surge, 4.0 * median) << "the roar's surge for the goal in frame " << frame;
        EXPECT_GT(loudestAfter, 10.0 * median) << "the roar for the goal in frame " << frame;
        EXPECT_GT(loudestAfter, 4.0 * loudestBefore) << "the attack before frame " << frame;
    }
    EXPECT_GE(judged, 3);

    ASSERT_EQ(test_support::runProgram(FOOTBALL_TRACE_PATH, {"3000", "--audio", again}).status, 0);
    EXPECT_EQ(test_support::readWholeFile(again), bytes);
    ASSERT_EQ(
        test_support::runProgram(FOOTBALL_TRACE_PATH, {"3000", "--audio", again, "--seed", "42"})
            .status,
        0);
    EXPECT_NE(test_support::readWholeFile(again), bytes);
}

}  // namespace
