// fixed_gl_test.cpp -- the fixed-function layer against OSMesa: the same calls give the same
// triangles (window positions, depths, lit and clamped colours, split along the same
// diagonals, in the same order), read from OSMesa's feedback mode.
#include "platform/web/fixed_gl.h"

#include <GL/osmesa.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "platform/web/raster_sink.h"
#include "tests/web/gl_cases.h"

namespace {

struct Corner {
    double x, y, z, r, g, b, a;
};
using Triangle = std::array<Corner, 3>;

// Feedback lists a triangle's corners starting anywhere; compare them sorted.
Triangle sorted(Triangle t) {
    std::sort(t.begin(), t.end(), [](const Corner& p, const Corner& q) {
        return p.x != q.x ? p.x < q.x : (p.y != q.y ? p.y < q.y : p.z < q.z);
    });
    return t;
}

std::vector<Triangle> openGlTriangles(int n) {
    OSMesaContext context = OSMesaCreateContextExt(OSMESA_RGBA, 24, 0, 0, nullptr);
    std::vector<unsigned char> buffer(gl_cases::kWidth * gl_cases::kHeight * 4);
    EXPECT_TRUE(OSMesaMakeCurrent(context, buffer.data(), GL_UNSIGNED_BYTE, gl_cases::kWidth,
                                  gl_cases::kHeight));
    std::vector<GLfloat> feedback(1 << 20);
    glFeedbackBuffer(static_cast<GLsizei>(feedback.size()), GL_3D_COLOR, feedback.data());
    glRenderMode(GL_FEEDBACK);
    real_gl::drawCase(n);
    const int count = glRenderMode(GL_RENDER);
    EXPECT_GT(count, 0) << "feedback of case " << n;
    std::vector<Triangle> triangles;
    for (int at = 0; at < count;) {
        const int token = static_cast<int>(feedback[at++]);
        const int corners = token == GL_POLYGON_TOKEN ? static_cast<int>(feedback[at++]) : 0;
        if (corners != 3) {
            ADD_FAILURE() << "case " << n << " gives feedback other than whole triangles";
            break;
        }
        Triangle t;
        for (Corner& c : t) {
            c = Corner{feedback[at],     feedback[at + 1], feedback[at + 2], feedback[at + 3],
                       feedback[at + 4], feedback[at + 5], feedback[at + 6]};
            at += 7;
        }
        triangles.push_back(sorted(t));
    }
    OSMesaDestroyContext(context);
    return triangles;
}

// Keeps the layer's triangles in window coordinates, as the rasteriser takes them.
class TriangleRecorder : public fixedgl::RasterSink {
  public:
    std::vector<fixedgl::RasterVertex> vertices;
    std::vector<fixedgl::RasterVertex> elsewhere;
    int viewport[4] = {0, 0, 0, 0};

    void setViewport(int x, int y, int width, int height) override {
        viewport[0] = x;
        viewport[1] = y;
        viewport[2] = width;
        viewport[3] = height;
    }
    void clear(unsigned, const float*, double) override {}
    fixedgl::RasterVertex* append(fixedgl::Primitive primitive, int count,
                                  const fixedgl::RasterState&, unsigned) override {
        std::vector<fixedgl::RasterVertex>& to =
            primitive == fixedgl::Primitive::triangles ? vertices : elsewhere;
        to.resize(to.size() + static_cast<std::size_t>(count));
        return to.data() + to.size() - count;
    }

    Corner window(const fixedgl::RasterVertex& v) const {
        const double w = v.w;
        return Corner{(v.x / w + 1.0) / 2.0 * viewport[2] + viewport[0],
                      (v.y / w + 1.0) / 2.0 * viewport[3] + viewport[1],
                      (v.z / w + 1.0) / 2.0,
                      v.r,
                      v.g,
                      v.b,
                      v.a};
    }
};

std::vector<Triangle> layerTriangles(int n) {
    TriangleRecorder recorder;
    fixedgl::setRasterSink(&recorder);
    fixedgl::resetContext();
    layer_gl::drawCase(n);
    EXPECT_EQ(fixedgl::getError(), static_cast<GLenum>(GL_NO_ERROR)) << "case " << n;
    fixedgl::setRasterSink(nullptr);
    std::vector<Triangle> triangles;
    for (std::size_t i = 0; i + 2 < recorder.vertices.size(); i += 3) {
        triangles.push_back(sorted({recorder.window(recorder.vertices[i]),
                                    recorder.window(recorder.vertices[i + 1]),
                                    recorder.window(recorder.vertices[i + 2])}));
    }
    return triangles;
}

bool near(const Corner& p, const Corner& q) {
    const double position = 2e-3, depth = 1e-5, colour = 2e-3;
    return std::abs(p.x - q.x) < position && std::abs(p.y - q.y) < position &&
           std::abs(p.z - q.z) < depth && std::abs(p.r - q.r) < colour &&
           std::abs(p.g - q.g) < colour && std::abs(p.b - q.b) < colour &&
           std::abs(p.a - q.a) < colour;
}

TEST(FixedGlTest, TrianglesMatchOpenGlsOneForOne) {
    for (int n = 0; n < gl_cases::kCaseCount; ++n) {
        const std::vector<Triangle> expected = openGlTriangles(n);
        const std::vector<Triangle> actual = layerTriangles(n);
        ASSERT_EQ(actual.size(), expected.size()) << "triangles of case " << n;
        for (std::size_t t = 0; t < expected.size(); ++t) {
            for (int c = 0; c < 3; ++c) {
                const Corner& e = expected[t][c];
                const Corner& a = actual[t][c];
                ASSERT_TRUE(near(a, e))
                    << "case " << n << ", triangle " << t << ", corner " << c << ": layer (" << a.x
                    << ", " << a.y << ", " << a.z << ") colour (" << a.r << ", " << a.g << ", "
                    << a.b << "), OpenGL (" << e.x << ", " << e.y << ", " << e.z << ") colour ("
                    << e.r << ", " << e.g << ", " << e.b << ")";
            }
        }
    }
}

}  // namespace
