// frame_state_fixture.h -- every test of the camera and the frame order starts from
// program start.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "common/random.h"
#include "frame/camera.h"
#include "frame/key_table.h"
#include "frame/process_state.h"
#include "render/figure_animation.h"
#include "render/rain_field.h"
#include "sim/match_state.h"

namespace frame_test {

class FrameTest : public ::testing::Test {
  protected:
    void SetUp() override { frame::resetProcessState(); }

    // Holds exactly these keys.
    static void hold(std::initializer_list<int> keys) {
        frame::keyTable = {};
        for (int key : keys)
            frame::keyTable.held[key] = true;
    }

    // Holds the keys for `frames` runs of applyCameraKeys.
    static void press(std::initializer_list<int> keys, int frames = 1) {
        hold(keys);
        for (int i = 0; i < frames; ++i)
            frame::applyCameraKeys();
        frame::keyTable = {};
    }
};

}  // namespace frame_test
