// fixed_gl_test.cpp -- the fixed-function layer and its WebGL rasteriser against OSMesa: each case
// drawn by OSMesa's own OpenGL 1.x and by the layer, whose rasteriser's WebGL 1 calls OSMesa's
// OpenGL takes as well (the shaders, kept lists and arrays included), the pictures compared pixel
// by pixel; and the layer's lists drawn again after the context was lost.
#include "platform/web/fixed_gl.h"

#include <GL/osmesa.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "platform/web/raster_sink.h"
#include "platform/web/webgl_raster.h"
#include "tests/web/gl_cases.h"
#include "tests/web/osmesa_webgl_extension.h"

namespace {

using Picture = std::vector<unsigned char>;  // RGBA rows

// An OSMesa context drawing into its own picture, current while it lives.
class Offscreen {
  public:
    Offscreen()
        : context(OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, 0, nullptr)),
          picture(gl_cases::kWidth * gl_cases::kHeight * 4) {
        EXPECT_TRUE(OSMesaMakeCurrent(context, picture.data(), GL_UNSIGNED_BYTE, gl_cases::kWidth,
                                      gl_cases::kHeight));
    }
    ~Offscreen() { OSMesaDestroyContext(context); }
    Offscreen(const Offscreen&) = delete;
    Offscreen& operator=(const Offscreen&) = delete;

    Picture finished() {
        glFinish();
        return picture;
    }

  private:
    OSMesaContext context;
    Picture picture;
};

// The last case's picture, the cases drawn one after another in one context.
Picture openGlPicture(std::initializer_list<int> cases) {
    Offscreen offscreen;
    real_gl::makeLists();
    for (const int n : cases)
        real_gl::drawCase(n);
    return offscreen.finished();
}

// The layer on a new context, as the page starts it (or restarts it after a loss).
void startLayer() {
    std::string error;
    ASSERT_TRUE(web::startWebglRaster(error)) << error;
    fixedgl::setRasterSink(&web::webglRaster());
}

Picture layerPicture(Offscreen& offscreen, int n) {
    layer_gl::drawCase(n);
    web::flushWebglRaster();
    EXPECT_EQ(fixedgl::getError(), static_cast<GLenum>(GL_NO_ERROR)) << "case " << n;
    EXPECT_EQ(web::webglErrors(), "") << "case " << n;
    return offscreen.finished();
}

// The share of pixels no channel of which is more than `levels` apart.
double shareWithin(const Picture& a, const Picture& b, int levels) {
    std::size_t near = 0;
    for (std::size_t i = 0; i < a.size(); i += 4) {
        bool close = true;
        for (int c = 0; c < 3; ++c)
            close = close && std::abs(a[i + c] - b[i + c]) <= levels;
        near += close ? 1 : 0;
    }
    return static_cast<double>(near) / static_cast<double>(a.size() / 4);
}

// The same rasteriser draws both, so only the vertices' rounding differs: an
// edge pixel here and there, and colours a level apart.
void expectAlike(const Picture& layer, const Picture& openGl, const std::string& name) {
    EXPECT_GE(shareWithin(layer, openGl, 1), 0.999) << name;
    EXPECT_GE(shareWithin(layer, openGl, 3), 0.9995) << name;
}

// With and without WebGL 1's extensions (32-bit element indices, instancing):
// the arrays' other path, and wide lines made on the processor.
TEST(FixedGlTest, PicturesMatchOpenGls) {
    for (const bool extensions : {true, false}) {
        web_test::extensionsAvailable = extensions;
        for (int n = 0; n < gl_cases::kCaseCount; ++n) {
            const Picture expected = openGlPicture({n});
            Offscreen offscreen;
            startLayer();
            fixedgl::resetContext();
            layer_gl::makeLists();
            expectAlike(layerPicture(offscreen, n), expected,
                        "case " + std::to_string(n) + (extensions ? "" : ", no extensions"));
        }
    }
    web_test::extensionsAvailable = true;
}

// Lists made before a lost context draw the same in the new one: the kept
// vertices go to the GPU again, and so do the arrays. (The layer's own state
// stays, as OpenGL's would without the loss.) Then a frame drawn twice.
TEST(FixedGlTest, ListsAndArraysComeBackWithANewContext) {
    const Picture arrays = openGlPicture({2, 3, 2});
    const Picture lists = openGlPicture({2, 3, 2, 3});
    auto lost = std::make_unique<Offscreen>();
    startLayer();
    fixedgl::resetContext();
    layer_gl::makeLists();
    layerPicture(*lost, 2);
    layerPicture(*lost, 3);
    lost.reset();
    Offscreen offscreen;
    startLayer();
    expectAlike(layerPicture(offscreen, 2), arrays, "arrays in a new context");
    expectAlike(layerPicture(offscreen, 3), lists, "lists in a new context");
    // The same frame again: its vertices are in the buffer already.
    expectAlike(layerPicture(offscreen, 3), lists, "lists drawn again");
}

}  // namespace
