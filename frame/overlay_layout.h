// overlay_layout.h -- where the overlay's 1024x768 layout lands in a picture of any size.
#pragma once

namespace frame {

// The overlay is laid out on a 1024 by 768 canvas, scaled evenly to fit the
// picture, centred across it and standing at its top edge. The bitmap glyphs
// keep their 12 pixels at every scale, so the score bar keeps the size that
// holds its text (200 by 30) in smaller pictures, unless the picture is
// narrower than that. At 1024 by 768 every value is the identity.
struct OverlayLayout {
    double scale;      // canvas units to pixels
    double left;       // the canvas's left edge, in pixels from the picture's
    double barScale;   // the score bar's scale: `scale`, but not below 1 unless
                       // the picture is narrower than 200 pixels
    double barCentre;  // the bar's centre, in pixels from the picture's left edge
};

// The layout for a picture `width` by `height` pixels (the viewport size).
// Called by the frame driver for every overlay and by the tests.
OverlayLayout overlayLayout(int width, int height);

}  // namespace frame
