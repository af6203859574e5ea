// raster_sink.h -- what the fixed-function layer hands on for rasterising: vertices already
// transformed, lit and clamped, in primitives of three kinds, with the per-fragment state.
#pragma once

namespace fixedgl {

// One vertex as the rasteriser takes it: clip coordinates, the final colour
// (0..1) and the fog coordinate (the eye distance fog is computed from).
struct RasterVertex {
    float x, y, z, w;
    float r, g, b, a;
    float fog;
};

enum class Primitive : unsigned char { triangles, lines, points };

// The state each fragment is treated with. Fog modes: 0 off, else GL_LINEAR,
// GL_EXP or GL_EXP2.
struct RasterState {
    bool depthTest;
    unsigned depthFunc;
    unsigned fogMode;
    float fogStart;
    float fogEnd;
    float fogDensity;
    float fogColour[4];
};

// The rasteriser: WebGL in the browser, a recorder in the tests. Primitives
// are drawn in the order they are appended.
class RasterSink {
  public:
    virtual ~RasterSink() = default;
    virtual void setViewport(int x, int y, int width, int height) = 0;
    // Clears the colour and depth buffers (GL_COLOR_BUFFER_BIT, GL_DEPTH_BUFFER_BIT in `mask`).
    virtual void clear(unsigned mask, const float colour[4], double depth) = 0;
    // Room for `count` vertices of one kind (three a triangle, two a line,
    // one a point), drawn under `state`; `stateSerial` changes whenever the
    // state does. The room is valid until the next call.
    virtual RasterVertex* append(Primitive primitive, int count, const RasterState& state,
                                 unsigned stateSerial) = 0;
};

// The sink the layer draws into; the layer draws nothing while it is null.
void setRasterSink(RasterSink* sink);

}  // namespace fixedgl
