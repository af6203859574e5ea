// gl_cases.h -- the comparison's drawing cases, through OpenGL and through the layer.
#pragma once

namespace gl_cases {
constexpr int kCaseCount = 4;
constexpr int kWidth = 320;
constexpr int kHeight = 240;
}  // namespace gl_cases

// Each pair: the lists the cases call, made once a context; a case.
namespace real_gl {  // with an OpenGL context current
void makeLists();
void drawCase(int n);
}  // namespace real_gl
namespace layer_gl {  // into the layer's raster sink
void makeLists();
void drawCase(int n);
}  // namespace layer_gl
