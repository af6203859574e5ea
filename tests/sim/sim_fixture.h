// sim_fixture.h -- shared set-up of the simulation tests: a fresh match and
// generator, and a way to arrange the generator's next draws.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "common/random.h"
#include "sim/match_state.h"
#include "sim/tick_steps.h"

namespace sim_test {

// A draw the test wants next: r(modulus) == value (value -1: any).
struct Draw {
    int modulus;
    int value;
};

// Each test starts with the match and the generator as at program start, and
// runs single steps of a tick on them through `steps`.
class SimTest : public ::testing::Test {
  protected:
    sim::MatchState match = sim::initialMatchState();
    common::Random random = common::kInitialRandom;
    sim::TickSteps steps{match, random};

    // Puts the generator at the first state from which the next draws, taken
    // modulo their n, give the wanted values.
    void arrangeDraws(const std::vector<Draw>& draws) {
        for (std::uint32_t seed = 1; seed != 0; ++seed) {
            common::Random trial{seed};
            bool matches = true;
            for (const Draw& draw : draws) {
                const int value = common::drawRandomBelow(trial, draw.modulus);
                if (draw.value >= 0 && value != draw.value) {
                    matches = false;
                    break;
                }
            }
            if (matches) {
                random.state = seed;
                return;
            }
        }
        FAIL() << "no generator state gives the wanted draws";
    }

    // Draws made since a state: counts by stepping a generator from `start`.
    int drawsSince(std::uint32_t start) const {
        common::Random trial{start};
        int count = 0;
        while (trial.state != random.state && count < 1000000) {
            common::drawRandom(trial);
            ++count;
        }
        return count;
    }

    // Moves every outfield player far from the ball (to its zone's far side is
    // not needed: lengthwise 0 or 100 at a lateral of 30 or -30).
    void clearPlayersAwayFromBall() {
        for (sim::Team* team : {&match.team1, &match.team2}) {
            for (sim::OutfieldPlayer& player : team->outfield) {
                player.lateral = 30.0f;
                player.lengthwise = team == &match.team1 ? 5.0f : 95.0f;
            }
            team->keeperLateral = 0.0f;
        }
    }
};

}  // namespace sim_test
