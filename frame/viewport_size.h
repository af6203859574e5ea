// viewport_size.h -- the size of the picture, as last given to resizeScene.
#pragma once

namespace frame {

// One member of the world: {0, 0} at start, written only by resizeScene (so
// the height is never 0 once it has run), read by every frame's projection
// and by the overlay.
struct ViewportSize {
    int width;
    int height;
};

}  // namespace frame
