// gl_cases_layer.cpp -- the drawing cases through the fixed-function layer, its names mapped
// as the browser build maps the drawing's.
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/web/gl_names.h"
#include "tests/web/gl_cases.h"

namespace layer_gl {
#include "tests/web/gl_cases.inc"
}  // namespace layer_gl
