// gl_cases.h -- the comparison's drawing cases, through OpenGL and through the layer.
#pragma once

namespace gl_cases {
constexpr int kCaseCount = 3;
constexpr int kWidth = 320;
constexpr int kHeight = 240;
}  // namespace gl_cases

namespace real_gl {
void drawCase(int n);  // with an OpenGL context current
}
namespace layer_gl {
void drawCase(int n);  // into the layer's raster sink
}
