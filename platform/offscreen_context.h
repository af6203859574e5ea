// offscreen_context.h -- an OSMesa context drawing into memory, for the record tool and the tests.
#pragma once

#include <vector>

namespace platform {

// A rendering context with its own RGBA colour buffer and a depth buffer.
struct OffscreenContext;

// Creates a context of width by height pixels with the deepest depth buffer
// OSMesa offers up to 32 bits, and makes it current. Null when either size is
// not positive or OSMesa refuses.
OffscreenContext* createOffscreenContext(int width, int height);

// Makes the context current again (after another one was). False on failure.
bool makeOffscreenContextCurrent(OffscreenContext* context);

// Finishes drawing and copies the picture as RGB bytes, top row first, into
// `rgb` (width * height * 3 bytes).
void readOffscreenPixels(OffscreenContext* context, std::vector<unsigned char>& rgb);

// Releases the context and its buffers; null is ignored. The context's
// display lists go with it.
void destroyOffscreenContext(OffscreenContext* context);

}  // namespace platform
