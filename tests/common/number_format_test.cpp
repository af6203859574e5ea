// number_format_test.cpp -- the trace's number text against the C library's "%.9g".
#include "common/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

std::string viaPrintf(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return text;
}

std::string viaFormat(float value) {
    char text[common::kNumberTextMax];
    const int length = common::formatFloat(value, text);
    return std::string(text, static_cast<std::size_t>(length));
}

float fromBits(std::uint32_t bits) {
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

TEST(NumberFormat, TheExamplesAndTheEdges) {
    EXPECT_EQ(viaFormat(25.0f), "25");
    EXPECT_EQ(viaFormat(-3.5f), "-3.5");
    EXPECT_EQ(viaFormat(0.3f), "0.300000012");
    EXPECT_EQ(viaFormat(0.0f), "0");
    EXPECT_EQ(viaFormat(-0.0f), "-0");
    EXPECT_EQ(viaFormat(1e-5f), viaPrintf(1e-5f));
    const float edges[] = {90.002655f,
                           269.99734f,
                           1e-4f,
                           9.99999e-5f,
                           0.0001f,
                           123456789.0f,
                           999999999.0f,
                           1e9f,
                           16777216.0f,
                           16777217.0f,
                           1234567.125f,
                           1234567.375f,
                           std::numeric_limits<float>::min(),
                           std::numeric_limits<float>::denorm_min(),
                           std::numeric_limits<float>::max(),
                           std::numeric_limits<float>::infinity(),
                           -std::numeric_limits<float>::infinity(),
                           std::numeric_limits<float>::quiet_NaN(),
                           -9.5367431640625e-07f,
                           2.3283064365386963e-10f};
    for (float value : edges)
        EXPECT_EQ(viaFormat(value), viaPrintf(value)) << viaPrintf(value);
}

TEST(NumberFormat, MatchesPrintfOnRandomBitPatterns) {
    std::mt19937 generator(12345);
    int mismatches = 0;
    for (int i = 0; i < 2000000 && mismatches < 10; ++i) {
        const float value = fromBits(static_cast<std::uint32_t>(generator()));
        if (viaFormat(value) != viaPrintf(value)) {
            ++mismatches;
            ADD_FAILURE() << viaPrintf(value) << " came out as " << viaFormat(value);
        }
    }
}

TEST(NumberFormat, MatchesPrintfOnEveryFloatNearTheTraceRanges) {
    // Every float from 0.001 to 1024 in steps of 37 bit patterns, and every
    // float around a few powers of ten, where the exponent changes.
    int mismatches = 0;
    auto check = [&](float value) {
        if (mismatches < 10 && viaFormat(value) != viaPrintf(value)) {
            ++mismatches;
            ADD_FAILURE() << viaPrintf(value) << " came out as " << viaFormat(value);
        }
    };
    std::uint32_t low = 0, high = 0;
    const float from = 0.001f, to = 1024.0f;
    std::memcpy(&low, &from, 4);
    std::memcpy(&high, &to, 4);
    for (std::uint32_t bits = low; bits < high; bits += 37)
        check(fromBits(bits));
    for (double power = 1e-5; power < 2e9; power *= 10) {
        const float centre = static_cast<float>(power);
        std::uint32_t bits = 0;
        std::memcpy(&bits, &centre, 4);
        for (std::uint32_t b = bits - 2000; b < bits + 2000; ++b) {
            check(fromBits(b));
            check(-fromBits(b));
        }
    }
}

TEST(NumberFormat, Integers) {
    char text[common::kNumberTextMax];
    auto format = [&](std::int64_t value) {
        return std::string(text, static_cast<std::size_t>(common::formatInteger(value, text)));
    };
    EXPECT_EQ(format(0), "0");
    EXPECT_EQ(format(-7), "-7");
    EXPECT_EQ(format(4294967295LL), "4294967295");
    EXPECT_EQ(format(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
    EXPECT_EQ(format(std::numeric_limits<std::int64_t>::max()), "9223372036854775807");
}

}  // namespace
