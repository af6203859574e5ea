// overlay_layout.h -- where the overlay's 1024x768 layout lands in a picture of any size and
// pixel density.
#pragma once

#include "frame/viewport_size.h"

namespace frame {

// The overlay is drawn in overlay pixels, each `unit` by `unit` device pixels:
// the glyphs are magnified by the unit and every box with them, so that text
// reads at the same size on a dense screen (a phone's picture at a device
// pixel ratio of 2 has a unit of 2) and in a picture that holds the designed
// 1024x768 twice over. The unit is 1 for the designed picture.
constexpr int kLargestOverlayUnit = 4;

// The unit for a picture: its pixel ratio rounded up, or how many times the
// designed picture fits in it, whichever is more; never so large that the
// 200-pixel score bar is wider than the picture; 1 to kLargestOverlayUnit.
int overlayUnit(const ViewportSize& size);

// The picture in overlay pixels.
struct OverlaySize {
    double width;
    double height;
    int unit;
};
OverlaySize overlaySizeOf(const ViewportSize& size);

// The overlay is laid out on a 1024 by 768 canvas, scaled evenly to fit the
// picture, centred across it and standing at its top edge. The bitmap glyphs
// keep their 12 overlay pixels at every scale, so the score bar keeps the size
// that holds its text (200 by 30) in smaller pictures, unless the picture is
// narrower than that. At 1024 by 768 every value is the identity.
struct OverlayLayout {
    double scale;      // canvas units to overlay pixels
    double left;       // the canvas's left edge, in overlay pixels from the picture's
    double barScale;   // the score bar's scale: `scale`, but not below 1 unless
                       // the picture is narrower than 200 overlay pixels
    double barCentre;  // the bar's centre, in overlay pixels from the picture's left edge
};

// The layout for a picture `width` by `height` overlay pixels. Called by the
// tests and the benchmarks with the designed size.
OverlayLayout overlayLayout(double width, double height);

// The layout for the world's picture (in overlay pixels): every frame's overlay.
OverlayLayout overlayLayout(const ViewportSize& size);

// The left edge of a box that stands centred at `centredLeft`, `width` wide,
// from `top` to `bottom`: kept there unless it would cover the middle of the
// picture or leave less than its own width beside it (a narrow picture: a
// phone, a small window); then `margin` from the picture's left edge, so the
// middle of the play stays in sight. The match panel's place.
double boxLeftClearOfMiddle(const OverlaySize& picture, double centredLeft, double width,
                            double top, double bottom, double margin);

}  // namespace frame
