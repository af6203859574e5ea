// rain_field.cpp -- the rain's state step: drops fall, resting drops are sent up by
// the weather rules, and the weather clock switches rain on and off at random.
#include "render/rain_field.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "common/random.h"

namespace render {

void resetRainField(RainField& field) {
    std::memset(&field, 0, sizeof field);
    field.clock = 200;
    field.falling = kRainDropCount;
}

// Three draws, in this order: x, z, then the height.
static void sendUp(RainDrop& drop, common::Random& random, float centreX, float centreZ) {
    drop.x = static_cast<float>((common::drawRandom(random) % 1000) + static_cast<double>(centreX) -
                                500.0);
    drop.z = static_cast<float>((common::drawRandom(random) % 1000) + static_cast<double>(centreZ) -
                                500.0);
    drop.y = static_cast<float>(500 - (common::drawRandom(random) % 250));
}

// Which resting drops the weather sends up in this frame: those whose index is
// a multiple of `divisor`, or none (divisor 0). While building up or pouring
// every (502 - clock)-th drop, every drop once the clock is past 500; while
// thinning out (clock below 200) every (clock + 1)-th drop; never while dry.
static int sendUpDivisor(bool raining, int clock) {
    if (raining)
        return clock > 500 ? 1 : 502 - clock;
    return clock < 200 ? clock + 1 : 0;
}

// The fall: every falling drop drops by 5, each drop kept in `before` as it
// was. Marks the drops that were resting before it in `rested` and returns
// the drops still falling after it. Written
// without branches so that the compiler makes vector code of it (the file is
// built without floating-point traps, which changes no result).
static int fall(RainField& field, std::uint8_t* rested) {
    int falling = 0;
    for (int index = 0; index < kRainDropCount; ++index) {
        field.before[index] = field.drops[index];
        const float y = field.drops[index].y;
        const bool wasFalling = y > -10.0f;  // isFalling: -10 is exact in float and double
        const float fallen = wasFalling ? y - 5.0f : y;
        field.drops[index].y = fallen;
        rested[index] = wasFalling ? 0 : 1;
        falling += fallen > -10.0f ? 1 : 0;
    }
    return falling;
}

void stepRain(RainField& field, common::Random& random, float centreX, float centreZ) {
    field.stepped = 0;
    const int divisor = sendUpDivisor(field.raining != 0, field.clock);
    // While dry no drop goes up, and once every drop rests nothing moves at all.
    if (divisor != 0 || field.falling != 0) {
        std::uint8_t rested[kRainDropCount];
        int falling = fall(field, rested);
        field.stepped = 1;
        // Then the resting drops go up, in index order so that the generator's
        // draws keep their order; a drop does not fall in the frame it goes up.
        // Pouring sends up every resting drop, about one in a hundred: memchr
        // finds them. Otherwise only every divisor-th drop is looked at.
        if (divisor == 1) {
            const std::uint8_t* at = rested;
            const std::uint8_t* const end = rested + kRainDropCount;
            while ((at = static_cast<const std::uint8_t*>(
                        std::memchr(at, 1, static_cast<std::size_t>(end - at)))) != nullptr) {
                sendUp(field.drops[at - rested], random, centreX, centreZ);
                falling += 1;
                ++at;
            }
        } else {
            for (int index = 0; divisor != 0 && index < kRainDropCount; index += divisor) {
                if (rested[index] != 0) {
                    sendUp(field.drops[index], random, centreX, centreZ);
                    falling += 1;
                }
            }
        }
        field.falling = falling;
    }
    field.clock += 1;
    if (field.clock > 1000 && common::drawRandom(random) % 1000 == 44) {
        field.clock = 0;
        field.raining = field.raining != 0 ? 0 : 1;
    }
}

int countFallingDrops(const RainField& field) {
    int falling = 0;
    for (const RainDrop& drop : field.drops)
        falling += isFalling(drop) ? 1 : 0;
    return falling;
}

}  // namespace render
