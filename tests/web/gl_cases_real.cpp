// gl_cases_real.cpp -- the drawing cases through OpenGL (OSMesa in the test).
#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "tests/web/gl_cases.h"

namespace real_gl {
#include "tests/web/gl_cases.inc"
}  // namespace real_gl
