// glyphs.h -- the overlay's bitmap glyphs: a 12-pixel monospaced face, codes 32 to 127.
#pragma once

namespace platform {

constexpr int kFirstGlyphCode = 32;
constexpr int kGlyphCount = 96;

// One glyph, ready for glBitmap: rows from the bottom up, each row
// (width + 7) / 8 bytes with the leftmost pixel in the highest bit, no
// padding (an unpack alignment of 1).
struct Glyph {
    int width;
    int height;
    float xorig;                // the raster position lies this far right of the bitmap's left edge
    float yorig;                // and this far above its bottom row (the baseline)
    float advance;              // how far the raster position moves on
    const unsigned char* rows;  // may be null when the glyph has no pixels
};

// The glyph of a code from 32 to 127; the overlay font builds its display
// lists from these for every new rendering context. The table is generated at
// build time from Liberation Mono; nothing is read at run time.
const Glyph& overlayGlyph(int code);

}  // namespace platform
