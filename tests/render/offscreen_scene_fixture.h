// offscreen_scene_fixture.h -- test fixture: start-up offscreen as the program does, and pixel
// probes.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "frame/world.h"
#include "platform/offscreen_context.h"

namespace render_test {

struct Rgb {
    int r;
    int g;
    int b;
};

// Each test starts from program start: a world as at program start, a 1024
// by 768 offscreen context, resizeScene and initScene as the window layer
// calls them.
class OffscreenScene : public ::testing::Test {
  public:
    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 768;

    void SetUp() override;
    void TearDown() override;

    // The window re-creation of F1: font deleted, context destroyed, a new
    // context, resizeScene, initScene.
    void recreateContext();

    // One whole frame as the program makes it, less the pacing: the state
    // step, then the picture with its labels; a failure when it leaves an
    // OpenGL error flag set.
    void runFrame();

    // Reads the picture (top row first) and the depth buffer.
    void capture();

    // The colour at (x, y), y counted from the top, of the last capture.
    Rgb pixel(int x, int y) const;
    // The window depth (0..1) at (x, y), y from the top, of the last capture.
    float depth(int x, int y) const;

    // Where a world point lands under the current model-view and projection
    // matrices: x and y in pixels from the top-left corner.
    bool project(double x, double y, double z, int& px, int& py) const;

    std::unique_ptr<frame::World> world = std::make_unique<frame::World>(frame::initialWorld());
    platform::OffscreenContext* context = nullptr;
    std::vector<unsigned char> rgb;
    std::vector<float> depthValues;
};

}  // namespace render_test
