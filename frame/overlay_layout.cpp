// overlay_layout.cpp -- the overlay canvas fitted to the picture.
#include "frame/overlay_layout.h"

#include <algorithm>

namespace frame {

OverlayLayout overlayLayout(int width, int height) {
    const double scale =
        std::min(static_cast<double>(width) / 1024.0, static_cast<double>(height) / 768.0);
    const double left = (static_cast<double>(width) - 1024.0 * scale) / 2.0;
    // The bar holds its text at 1:1 and grows with the canvas; only a picture
    // narrower than the bar itself makes it shrink, to the picture's width.
    const double barScale = std::min(std::max(scale, 1.0), static_cast<double>(width) / 200.0);
    return OverlayLayout{scale, left, barScale, left + 512.0 * scale};
}

}  // namespace frame
