// overlay_layout.cpp -- the overlay canvas fitted to the picture, and its unit.
#include "frame/overlay_layout.h"

#include <algorithm>
#include <cmath>

namespace frame {

int overlayUnit(const ViewportSize& size) {
    // A ratio a hair above a whole number is that number (2.0000001 is 2).
    const double ratio = std::max(1.0, std::ceil(size.pixelRatio - 1e-3));
    const double fits = std::floor(std::min(static_cast<double>(size.width) / 1024.0,
                                            static_cast<double>(size.height) / 768.0));
    const double barFits = std::floor(static_cast<double>(size.width) / 200.0);
    const double unit =
        std::min({std::max(ratio, fits), barFits, static_cast<double>(kLargestOverlayUnit)});
    return std::max(1, static_cast<int>(unit));
}

OverlaySize overlaySizeOf(const ViewportSize& size) {
    const int unit = overlayUnit(size);
    return OverlaySize{static_cast<double>(size.width) / unit,
                       static_cast<double>(size.height) / unit, unit};
}

OverlayLayout overlayLayout(double width, double height) {
    const double scale = std::min(width / 1024.0, height / 768.0);
    const double left = (width - 1024.0 * scale) / 2.0;
    // The bar holds its text at 1:1 and grows with the canvas; only a picture
    // narrower than the bar itself makes it shrink, to the picture's width.
    const double barScale = std::min(std::max(scale, 1.0), width / 200.0);
    return OverlayLayout{scale, left, barScale, left + 512.0 * scale};
}

OverlayLayout overlayLayout(const ViewportSize& size) {
    const OverlaySize picture = overlaySizeOf(size);
    return overlayLayout(picture.width, picture.height);
}

double boxLeftClearOfMiddle(const OverlaySize& picture, double centredLeft, double width,
                            double top, double bottom, double margin) {
    const double middleX = picture.width / 2.0;
    const double middleY = picture.height / 2.0;
    const bool coversMiddle = centredLeft <= middleX && middleX <= centredLeft + width &&
                              top <= middleY && middleY <= bottom;
    const bool narrow = picture.width < 2.0 * width;
    return coversMiddle || narrow ? margin : centredLeft;
}

}  // namespace frame
