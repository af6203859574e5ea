// rain_test.cpp -- the rain's state step against a drop-by-drop model of the
// weather rules, the first switch to rain and the thinning rules.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "common/random.h"
#include "render/rain_field.h"

namespace {

using render::RainField;

// The rain's frame as plainly as it can be written: each drop in index order
// either falls or may be sent up, then the clock.
void modelStep(RainField& field, common::Random& random, float cx, float cz) {
    for (int index = 0; index < render::kRainDropCount; ++index) {
        render::RainDrop& drop = field.drops[index];
        if (static_cast<double>(drop.y) > -10.0) {
            drop.y = drop.y - 5.0f;
            continue;
        }
        bool up = false;
        if (field.raining == 1) {
            up = field.clock > 500 || index % (502 - field.clock) == 0;
        } else {
            up = field.clock < 200 && index % (field.clock + 1) == 0;
        }
        if (up) {
            drop.x = static_cast<float>((common::drawRandom(random) % 1000) +
                                        static_cast<double>(cx) - 500);
            drop.z = static_cast<float>((common::drawRandom(random) % 1000) +
                                        static_cast<double>(cz) - 500);
            drop.y = static_cast<float>(500 - (common::drawRandom(random) % 250));
        }
    }
    field.clock += 1;
    if (field.clock > 1000 && common::drawRandom(random) % 1000 == 44) {
        field.clock = 0;
        field.raining = field.raining ? 0 : 1;
    }
}

int countFalling(const RainField& field) {
    int count = 0;
    for (const render::RainDrop& drop : field.drops)
        count += drop.y > -10.0f ? 1 : 0;
    return count;
}

// Each test starts with the field and the generator as at program start.
class RainTest : public ::testing::Test {
  protected:
    std::unique_ptr<RainField> field = std::make_unique<RainField>();
    RainField& rainField = *field;
    common::Random random = common::kInitialRandom;

    void SetUp() override { render::resetRainField(rainField); }

    // One frame's rain as the frame step runs it.
    void step(float cx, float cz) {
        render::beginRainFrame(rainField);
        render::stepRain(rainField, random, cx, cz);
    }

    // Steps both the field and the model from the same generator state and
    // checks they agree on every drop, the clock, the weather and the draws,
    // and that the picture shows the drops where the step found them.
    void stepBoth(RainField& model, float cx, float cz) {
        const std::vector<render::RainDrop> found(model.drops,
                                                  model.drops + render::kRainDropCount);
        const std::uint32_t start = random.state;
        modelStep(model, random, cx, cz);
        const std::uint32_t afterModel = random.state;
        random.state = start;
        step(cx, cz);
        ASSERT_EQ(random.state, afterModel);
        ASSERT_EQ(rainField.clock, model.clock);
        ASSERT_EQ(rainField.raining, model.raining);
        ASSERT_EQ(0, std::memcmp(rainField.drops, model.drops, sizeof model.drops));
        ASSERT_EQ(0,
                  std::memcmp(render::dropsAsDrawn(rainField), found.data(), sizeof model.drops));
        ASSERT_EQ(rainField.falling, countFalling(model));
        ASSERT_EQ(render::countFallingDrops(rainField), countFalling(model));
    }
};

TEST_F(RainTest, EveryPhaseMatchesTheDropByDropRules) {
    auto model = std::make_unique<RainField>(rainField);
    // Start-up, then building up and pouring, then thinning out and dry, with
    // the odd centre the drops are placed around.
    for (int frame = 0; frame < 5; ++frame)
        ASSERT_NO_FATAL_FAILURE(stepBoth(*model, 0, 0));
    for (RainField* field : {&rainField, model.get()}) {
        field->raining = 1;
        field->clock = 0;
    }
    for (int frame = 0; frame < 700; ++frame)
        ASSERT_NO_FATAL_FAILURE(stepBoth(*model, 0, 0));
    EXPECT_GT(rainField.falling, 9800);  // pouring: every drop cycles
    for (RainField* field : {&rainField, model.get()}) {
        field->raining = 0;
        field->clock = 0;
    }
    for (int frame = 0; frame < 400; ++frame) {
        ASSERT_NO_FATAL_FAILURE(
            stepBoth(*model, frame < 50 ? 12.5f : 0.0f, frame < 50 ? -3.0f : 0));
    }
    EXPECT_EQ(rainField.falling, 0);
    // Near the switch: the clock past 1000 draws once a frame.
    for (RainField* field : {&rainField, model.get()})
        field->clock = 995;
    for (int frame = 0; frame < 3000; ++frame)
        ASSERT_NO_FATAL_FAILURE(stepBoth(*model, 0, 0));
}

TEST_F(RainTest, StartUpDropsFallTwiceThenRest) {
    step(0, 0);
    EXPECT_EQ(rainField.drops[9999].y, -5.0f);
    EXPECT_EQ(rainField.falling, 10000);
    step(0, 0);
    EXPECT_EQ(rainField.drops[0].y, -10.0f);
    EXPECT_EQ(rainField.falling, 0);
    EXPECT_EQ(random.state, 1u);
}

TEST_F(RainTest, TheFirstSwitchComesAtTheEndOfFrameEightHundredAndOne) {
    // Arrange the generator so that the first weather draw is 44 mod 1000.
    std::uint32_t seed = 1;
    for (;; ++seed) {
        random.state = seed;
        if (common::drawRandom(random) % 1000 == 44)
            break;
    }
    random.state = seed;
    for (int frame = 1; frame <= 800; ++frame)
        step(0, 0);
    EXPECT_EQ(random.state, seed);  // no draw at all while dry
    EXPECT_EQ(rainField.raining, 0);
    step(0, 0);  // frame 801: clock 1001, one draw, the switch
    EXPECT_EQ(rainField.raining, 1);
    EXPECT_EQ(rainField.clock, 0);

    // Frame 802: the resting drops 0, 502, ..., 9538 go up, three draws each.
    const std::uint32_t before = random.state;
    step(0, 0);
    std::uint32_t expected = before;
    for (int i = 0; i < 60; ++i)
        expected = expected * 214013u + 2531011u;
    EXPECT_EQ(random.state, expected);
    EXPECT_EQ(rainField.falling, 20);
    for (int index = 0; index < render::kRainDropCount; ++index) {
        const render::RainDrop& drop = rainField.drops[index];
        if (index % 502 == 0) {
            EXPECT_GE(drop.y, 251.0f) << index;
            EXPECT_LE(drop.y, 500.0f) << index;
            EXPECT_GE(drop.x, -500.0f);
            EXPECT_LE(drop.x, 499.0f);
            EXPECT_EQ(drop.x, static_cast<float>(static_cast<int>(drop.x)));
        } else {
            EXPECT_EQ(drop.y, -10.0f) << index;
        }
    }
}

TEST_F(RainTest, ThinningSendsUpEveryClockPlusOnethDrop) {
    struct Case {
        int clock;
        int sentUp;
    };
    const Case cases[] = {{0, 10000}, {1, 5000}, {2, 3334}, {6, 1429}, {199, 50}, {200, 0}};
    for (const Case& c : cases) {
        render::resetRainField(rainField);
        for (render::RainDrop& drop : rainField.drops)
            drop.y = -10.0f;
        rainField.falling = 0;
        rainField.clock = c.clock;
        step(0, 0);
        EXPECT_EQ(rainField.falling, c.sentUp) << c.clock;
        EXPECT_EQ(render::countFallingDrops(rainField), c.sentUp) << c.clock;
    }
}

TEST_F(RainTest, PouringSendsUpEveryRestingDropPastFiveHundred) {
    const int clocks[] = {500, 501};
    const int sent[] = {5000, 10000};  // 500: every second drop (502 - 500)
    for (int i = 0; i < 2; ++i) {
        render::resetRainField(rainField);
        for (render::RainDrop& drop : rainField.drops)
            drop.y = -12.0f;
        rainField.falling = 0;
        rainField.raining = 1;
        rainField.clock = clocks[i];
        step(0, 0);
        EXPECT_EQ(rainField.falling, sent[i]);
    }
}

TEST_F(RainTest, ADropAtMinusTenRestsAndOneAtMinusNinePointNineFalls) {
    for (render::RainDrop& drop : rainField.drops)
        drop.y = -10.0f;
    rainField.drops[3].y = -9.9f;
    rainField.falling = 1;
    step(0, 0);
    EXPECT_EQ(rainField.drops[3].y, -9.9f - 5.0f);
    EXPECT_EQ(rainField.drops[4].y, -10.0f);
    EXPECT_EQ(rainField.falling, 0);
}

}  // namespace
