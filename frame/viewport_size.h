// viewport_size.h -- the size of the picture and its pixel density, as last given to resizeScene.
#pragma once

namespace frame {

// One member of the world: {0, 0} at start, written only by resizeScene (so
// the height is never 0 once it has run), read by every frame's projection
// and by the overlay.
struct ViewportSize {
    int width;
    int height;
    // Device pixels to the host's own (CSS) pixels: the browser's device
    // pixel ratio; 1 on the desktop, whose windows are sized in pixels.
    double pixelRatio = 1.0;
};

}  // namespace frame
