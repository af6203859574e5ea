// viewport_size.cpp -- the viewport size record.
#include "frame/viewport_size.h"

namespace frame {

ViewportSize viewportSize = {0, 0};

}  // namespace frame
