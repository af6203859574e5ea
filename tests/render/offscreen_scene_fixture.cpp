// offscreen_scene_fixture.cpp -- the pixel tests' offscreen start-up, frames and probes.
#include "tests/render/offscreen_scene_fixture.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>

#include "frame/frame_picture.h"
#include "frame/frame_step.h"
#include "render/gl_errors.h"
#include "tools/offscreen_scene.h"

namespace render_test {

void OffscreenScene::SetUp() {
    context = tools::openOffscreenScene(*world, kWidth, kHeight);
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(render::drainGlErrors(), "") << "OpenGL errors at start-up";
}

void OffscreenScene::TearDown() {
    tools::closeOffscreenScene(context);
    context = nullptr;
}

void OffscreenScene::recreateContext() {
    context = tools::reopenOffscreenScene(*world, context, kWidth, kHeight);
    ASSERT_NE(context, nullptr);
}

void OffscreenScene::runFrame() {
    frame::stepWorld(*world);
    frame::drawFrame(*world);
    EXPECT_EQ(render::drainGlErrors(), "") << "OpenGL errors in a frame";
}

void OffscreenScene::capture() {
    platform::readOffscreenPixels(context, rgb);
    std::vector<float> bottomUp(static_cast<size_t>(kWidth) * kHeight);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kWidth, kHeight, GL_DEPTH_COMPONENT, GL_FLOAT, bottomUp.data());
    depthValues.resize(bottomUp.size());
    for (int row = 0; row < kHeight; ++row) {
        for (int x = 0; x < kWidth; ++x) {
            depthValues[static_cast<size_t>(row) * kWidth + x] =
                bottomUp[static_cast<size_t>(kHeight - 1 - row) * kWidth + x];
        }
    }
}

Rgb OffscreenScene::pixel(int x, int y) const {
    const size_t at = (static_cast<size_t>(y) * kWidth + x) * 3;
    return Rgb{rgb.at(at), rgb.at(at + 1), rgb.at(at + 2)};
}

float OffscreenScene::depth(int x, int y) const {
    return depthValues.at(static_cast<size_t>(y) * kWidth + x);
}

bool OffscreenScene::project(double x, double y, double z, int& px, int& py) const {
    GLdouble model[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLdouble wx, wy, wz;
    if (gluProject(x, y, z, model, projection, viewport, &wx, &wy, &wz) != GL_TRUE)
        return false;
    px = static_cast<int>(std::floor(wx));
    py = kHeight - 1 - static_cast<int>(std::floor(wy));
    return px >= 0 && px < kWidth && py >= 0 && py < kHeight && wz > 0.0 && wz < 1.0;
}

}  // namespace render_test
