// sim_fixture.h -- shared set-up of the simulation tests: a fresh match and
// generator, and a way to arrange the generator's next draws.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "common/random.h"
#include "frame/process_state.h"
#include "sim/match_state.h"
#include "sim/tick_steps.h"

namespace sim_test {

// A draw the test wants next: r(modulus) == value (value -1: any).
struct Draw {
    int modulus;
    int value;
};

// Puts the generator at the first state from which the next draws, taken
// modulo their n, give the wanted values.
inline void arrangeDraws(const std::vector<Draw>& draws) {
    for (std::uint32_t seed = 1; seed != 0; ++seed) {
        common::setRandomState(seed);
        bool matches = true;
        for (const Draw& draw : draws) {
            const int value = common::drawRandomBelow(draw.modulus);
            if (draw.value >= 0 && value != draw.value) {
                matches = false;
                break;
            }
        }
        if (matches) {
            common::setRandomState(seed);
            return;
        }
    }
    FAIL() << "no generator state gives the wanted draws";
}

// Draws made since a state: counts by stepping the generator from `start`.
inline int drawsSince(std::uint32_t start) {
    const std::uint32_t now = common::randomState();
    common::setRandomState(start);
    int count = 0;
    while (common::randomState() != now && count < 1000000) {
        common::drawRandom();
        ++count;
    }
    common::setRandomState(now);
    return count;
}

class SimTest : public ::testing::Test {
  protected:
    void SetUp() override { frame::resetProcessState(); }

    // Moves every outfield player far from the ball (to its zone's far side is
    // not needed: lengthwise 0 or 100 at a lateral of 30 or -30).
    static void clearPlayersAwayFromBall() {
        for (sim::Team* team : {&sim::match.team1, &sim::match.team2}) {
            for (sim::OutfieldPlayer& player : team->outfield) {
                player.lateral = 30.0f;
                player.lengthwise = team == &sim::match.team1 ? 5.0f : 95.0f;
            }
            team->keeperLateral = 0.0f;
        }
    }
};

}  // namespace sim_test
