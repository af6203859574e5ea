// rain_field.cpp -- the rain's state step: drops fall, resting drops are sent up by
// the weather rules, and the weather clock switches rain on and off at random.
#include "render/rain_field.h"

#include <cstring>

#include "common/random.h"

namespace render {

RainField rainField = initialRainField();

RainField initialRainField() {
    RainField field = {};
    field.clock = 200;
    field.falling = kRainDropCount;
    return field;
}

// A resting drop goes up while building up or pouring when the clock is past
// 500 or its index is a multiple of 502 - clock; while thinning out (clock
// below 200) when its index is a multiple of clock + 1; never while dry.
static bool sendsUp(int index, bool raining, int clock) {
    if (raining)
        return clock > 500 || index % (502 - clock) == 0;
    return clock < 200 && index % (clock + 1) == 0;
}

// Three draws, in this order: x, z, then the height.
static void sendUp(RainDrop& drop, float centreX, float centreZ) {
    drop.x =
        static_cast<float>((common::drawRandom() % 1000) + static_cast<double>(centreX) - 500.0);
    drop.z =
        static_cast<float>((common::drawRandom() % 1000) + static_cast<double>(centreZ) - 500.0);
    drop.y = static_cast<float>(500 - (common::drawRandom() % 250));
}

// Which resting drops the weather sends up in this frame: none, all, or those
// whose index is a multiple of a divisor.
struct SendRule {
    bool any;
    bool all;
    int divisor;
};

static SendRule sendRule(bool raining, int clock) {
    if (raining)
        return clock > 500 ? SendRule{true, true, 1} : SendRule{true, false, 502 - clock};
    return clock < 200 ? SendRule{true, false, clock + 1} : SendRule{false, false, 1};
}

static_assert(sizeof(RainDrop) == 3 * sizeof(float), "drops are packed x, y, z");

// The vector types of a group of kWidth drops: 3 * kWidth floats, or lane masks.
template <int kWidth>
struct DropVectors;
template <>
struct DropVectors<4> {
    typedef float Floats __attribute__((vector_size(16)));
    typedef int Lanes __attribute__((vector_size(16)));
};
template <>
struct DropVectors<8> {
    typedef float Floats __attribute__((vector_size(32)));
    typedef int Lanes __attribute__((vector_size(32)));
};

// The fall of every drop, a group of kWidth drops at a time: the group's
// 3 * kWidth floats are loaded as three vectors, a lane mask picks out the y
// lanes, and every y above -10 drops by 5 while resting drops stay. Resting
// drops that the rule may send up are sent up right after their group falls,
// in index order, so the generator's draws keep their order and a drop sent
// up does not fall in the same frame. Returns the drops falling afterwards.
// Always inlined, so that the same body serves the plain and the wide build.
template <int kWidth>
__attribute__((always_inline)) static inline int fallAndSendUp(bool raining, int clock,
                                                               float centreX, float centreZ) {
    using Floats = typename DropVectors<kWidth>::Floats;
    using Lanes = typename DropVectors<kWidth>::Lanes;
    static_assert(kRainDropCount % kWidth == 0, "drops come in whole groups");
    // Lane masks of the y values (float 3k + 1 of the group) in each vector.
    Lanes heights[3];
    for (int part = 0; part < 3; ++part) {
        for (int lane = 0; lane < kWidth; ++lane) {
            heights[part][lane] = (part * kWidth + lane) % 3 == 1 ? -1 : 0;
        }
    }
    Floats resting = {}, stillFalling = {}, fall = {};
    for (int lane = 0; lane < kWidth; ++lane) {
        resting[lane] = -10.0f;
        stillFalling[lane] = -5.0f;
        fall[lane] = 5.0f;
    }
    Lanes fallBy[3];
    for (int part = 0; part < 3; ++part)
        fallBy[part] = heights[part] & reinterpret_cast<Lanes>(fall);

    const Lanes heights0 = heights[0], heights1 = heights[1], heights2 = heights[2];
    const Lanes fallBy0 = fallBy[0], fallBy1 = fallBy[1], fallBy2 = fallBy[2];
    const SendRule rule = sendRule(raining, clock);
    int nextMultiple = 0;  // the first multiple of the divisor not below the group's first index
    int sentUp = 0;
    Lanes counted = {};  // minus the drops still falling after their fall, per lane
    for (int first = 0; first < kRainDropCount; first += kWidth) {
        Floats v0, v1, v2;
        std::memcpy(&v0, &rainField.drops[first], sizeof v0);
        std::memcpy(&v1, reinterpret_cast<const char*>(&rainField.drops[first]) + sizeof v0,
                    sizeof v1);
        std::memcpy(&v2, reinterpret_cast<const char*>(&rainField.drops[first]) + 2 * sizeof v0,
                    sizeof v2);
        const Lanes falling0 = v0 > resting, falling1 = v1 > resting, falling2 = v2 > resting;
        counted += ((v0 > stillFalling) & heights0) + ((v1 > stillFalling) & heights1) +
                   ((v2 > stillFalling) & heights2);
        v0 -= reinterpret_cast<Floats>(falling0 & fallBy0);
        v1 -= reinterpret_cast<Floats>(falling1 & fallBy1);
        v2 -= reinterpret_cast<Floats>(falling2 & fallBy2);
        std::memcpy(&rainField.drops[first], &v0, sizeof v0);
        std::memcpy(reinterpret_cast<char*>(&rainField.drops[first]) + sizeof v0, &v1, sizeof v1);
        std::memcpy(reinterpret_cast<char*>(&rainField.drops[first]) + 2 * sizeof v0, &v2,
                    sizeof v2);
        if (!rule.any)
            continue;
        if (!rule.all) {
            while (nextMultiple < first)
                nextMultiple += rule.divisor;
            if (nextMultiple >= first + kWidth)
                continue;
        }
        // Was any drop of the group resting before its fall?
        const Lanes restingLanes =
            (~falling0 & heights0) | (~falling1 & heights1) | (~falling2 & heights2);
        std::uint64_t words[kWidth / 2];
        std::memcpy(words, &restingLanes, sizeof words);
        std::uint64_t anyResting = 0;
        for (std::uint64_t word : words) {
            anyResting |= word;
        }
        if (anyResting == 0) {
            continue;
        }
        int fellLanes[3 * kWidth];  // non-zero where a lane's drop was falling
        std::memcpy(fellLanes, &falling0, sizeof falling0);
        std::memcpy(fellLanes + kWidth, &falling1, sizeof falling1);
        std::memcpy(fellLanes + 2 * kWidth, &falling2, sizeof falling2);
        for (int index = first; index < first + kWidth; ++index) {
            if (fellLanes[3 * (index - first) + 1] != 0 || !sendsUp(index, raining, clock)) {
                continue;
            }
            sendUp(rainField.drops[index], centreX, centreZ);
            sentUp += 1;
        }
    }
    int falling = sentUp;
    for (int lane = 0; lane < kWidth; ++lane)
        falling -= counted[lane];
    return falling;
}

static int fallAndSendUpPlain(bool raining, int clock, float centreX, float centreZ) {
    return fallAndSendUp<4>(raining, clock, centreX, centreZ);
}

#if defined(__x86_64__) && defined(__GNUC__)
// The same with eight drops a group on processors with 256-bit vectors; the
// arithmetic is the same single-precision compare and subtract, bit for bit.
__attribute__((target("avx2"))) static int fallAndSendUpWide(bool raining, int clock, float centreX,
                                                             float centreZ) {
    return fallAndSendUp<8>(raining, clock, centreX, centreZ);
}

// Whether the wide groups may be used: by default where the processor has them.
static bool wideAllowed = true;

static int fallAndSendUpBest(bool raining, int clock, float centreX, float centreZ) {
    static const bool wideAvailable = __builtin_cpu_supports("avx2");
    return wideAvailable && wideAllowed ? fallAndSendUpWide(raining, clock, centreX, centreZ)
                                        : fallAndSendUpPlain(raining, clock, centreX, centreZ);
}
#else
static int fallAndSendUpBest(bool raining, int clock, float centreX, float centreZ) {
    return fallAndSendUpPlain(raining, clock, centreX, centreZ);
}
#endif

void stepRain(float centreX, float centreZ) {
    RainField& field = rainField;
    const bool raining = field.raining != 0;
    const int clock = field.clock;
    // While dry no drop goes up, and once every drop rests nothing moves at all.
    const bool dry = !sendRule(raining, clock).any;
    if (!dry || field.falling != 0) {
        field.falling = fallAndSendUpBest(raining, clock, centreX, centreZ);
    }
    field.clock += 1;
    if (field.clock > 1000 && common::drawRandom() % 1000 == 44) {
        field.clock = 0;
        field.raining = field.raining != 0 ? 0 : 1;
    }
}

void allowWideRainStep(bool allowed) {
#if defined(__x86_64__) && defined(__GNUC__)
    wideAllowed = allowed;
#else
    (void)allowed;
#endif
}

int fallingDropCount() {
    return rainField.falling;
}

int countFallingDrops() {
    int falling = 0;
    for (const RainDrop& drop : rainField.drops)
        falling += isFalling(drop) ? 1 : 0;
    return falling;
}

}  // namespace render
