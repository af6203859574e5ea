// frame_state_fixture.h -- every test of the camera and the frame order starts from
// program start, in a world of its own.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

#include "frame/camera.h"
#include "frame/frame_step.h"
#include "frame/key_table.h"
#include "frame/world.h"

namespace frame_test {

class FrameTest : public ::testing::Test {
  protected:
    // On the heap: a world is several hundred kilobytes.
    std::unique_ptr<frame::World> world = std::make_unique<frame::World>(frame::initialWorld());
    frame::Camera& camera = world->camera;
    sim::MatchState& match = world->match;

    // Holds exactly these keys.
    void hold(std::initializer_list<int> keys) {
        world->keys = {};
        for (int key : keys)
            world->keys.held[key] = true;
    }

    // Holds the keys for `frames` runs of applyCameraKeys.
    void press(std::initializer_list<int> keys, int frames = 1) {
        hold(keys);
        for (int i = 0; i < frames; ++i)
            frame::applyCameraKeys(world->camera, world->keys);
        world->keys = {};
    }

    // Runs `frames` frames' state steps.
    void step(int frames = 1) {
        for (int i = 0; i < frames; ++i)
            frame::stepWorld(*world);
    }
};

}  // namespace frame_test
