// raster_sink.h -- what the fixed-function layer hands on for drawing: vertices in object
// coordinates with the matrices and lights a vertex shader transforms and lights them with,
// display lists' triangles kept for reuse, client arrays, wide lines' ends, and the few
// vertices the layer transforms itself (bitmaps), each under its per-fragment state.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace fixedgl {

// A vertex as glVertex gives it: object coordinates, the current colour
// (unclamped: the drawing gives colours above 1) and the current normal.
struct ShadedVertex {
    float x, y, z;
    float r, g, b, a;
    float nx, ny, nz;
};

// A vertex the layer transformed and lit itself: clip coordinates, the final
// colour (0..1) and the fog coordinate (the eye distance fog is computed from).
struct ClipVertex {
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

// The matrices a vertex is transformed with, column-major: projection x
// model-view (rounded as OpenGL keeps it, so edges fall where OpenGL's do),
// the model-view matrix, and the inverse transpose of its upper 3x3 (normals).
struct TransformState {
    float mvp[16];
    float modelView[16];
    float normalMatrix[9];
};

constexpr int kMaxLights = 8;

// An enabled light in eye coordinates, as the lighting equation takes it.
struct ShaderLight {
    float ambient[3];
    float diffuse[3];
    float position[4];
    float spotDirection[3];  // unit length
    float spotCosCutoff;     // -2 for a light that is no spot
    float spotExponent;
    float attenuation[3];  // constant, linear, quadratic
};

// GL 1.x lighting as the drawing uses it: no specular, no emission, one-sided,
// infinite viewer; with colour material the vertex colour stands for the
// tracked material colours.
struct LightingState {
    bool lighting;
    bool trackAmbient;
    bool trackDiffuse;
    float modelAmbient[3];
    float materialAmbient[4];
    float materialDiffuse[4];
    int lightCount;
    ShaderLight lights[kMaxLights];
};

// The state a draw is made under; each serial changes whenever its part does.
struct DrawState {
    const TransformState* transform;
    unsigned transformSerial;
    const LightingState* lighting;
    unsigned lightingSerial;
    const RasterState* raster;
    unsigned rasterSerial;
};

// For kept and array draws: whether their vertices take the colour or the
// normal current at the draw instead of their own, and those values.
struct CurrentValues {
    bool useColour;
    bool useNormal;
    float colour[4];
    float normal[3];
};

// A display list's triangles: its blocks' vertices once each, and three
// indices into them a triangle. Alive as long as the list (and any draw still
// waiting for them). The rasteriser keeps a copy in GPU memory, made when
// first drawn and made again after its GPU objects were forgotten (a lost
// context): the last four are its bookkeeping.
struct KeptVertices {
    std::vector<ShadedVertex> vertices;
    std::vector<std::uint32_t> indices;
    unsigned generation = 0;
    std::size_t offset = 0;      // the first vertex in the rasteriser's buffer
    std::size_t indexBytes = 0;  // the first index's byte in its index buffer
    unsigned indexType = 0;
};

// A client array of floats as glVertexPointer and glColorPointer give it.
struct ClientArray {
    const void* pointer;
    int size;            // components per element
    std::size_t stride;  // bytes from one element to the next
};

// glDrawElements with GL_TRIANGLES: the elements' positions, their colours
// (`colour.pointer` null: the current colour) and indices of `indexType`
// (GL_UNSIGNED_BYTE, _SHORT or _INT); every vertex takes the current normal.
struct ArrayTriangles {
    ClientArray position;
    ClientArray colour;
    unsigned indexType;
    const void* indices;
    int count;
};

// The rasteriser: WebGL in the browser (natively on OSMesa in the tests).
// Everything is drawn in the order it is handed on.
class RasterSink {
  public:
    virtual ~RasterSink() = default;
    virtual void setViewport(int x, int y, int width, int height) = 0;
    // Clears the colour and depth buffers (GL_COLOR_BUFFER_BIT, GL_DEPTH_BUFFER_BIT in `mask`).
    virtual void clear(unsigned mask, const float colour[4], double depth) = 0;
    // Room for `count` vertices of one kind (three a triangle, two a line,
    // one a point) in object coordinates, transformed and lit under `state`.
    // The room is valid until the next call.
    virtual ShadedVertex* appendShaded(Primitive primitive, int count, const DrawState& state) = 0;
    // Room for the two ends of each of `lines` lines `width` pixels wide, which
    // the rasteriser widens into quads itself; null where it cannot (the
    // layer then makes the quads).
    virtual ShadedVertex* appendWideLines(int lines, int width, const DrawState& state) = 0;
    // Room for `count` vertices the layer transformed and lit itself.
    virtual ClipVertex* appendClip(Primitive primitive, int count, const RasterState& raster,
                                   unsigned rasterSerial) = 0;
    // The triangles of kept indices [first, first + count).
    virtual void drawKept(const std::shared_ptr<KeptVertices>& kept, int first, int count,
                          const CurrentValues& current, const DrawState& state) = 0;
    // Triangles of client arrays, read before the call returns.
    virtual void drawArrayTriangles(const ArrayTriangles& arrays, const CurrentValues& current,
                                    const DrawState& state) = 0;
};

// The sink the layer draws into; the layer draws nothing while it is null.
void setRasterSink(RasterSink* sink);

}  // namespace fixedgl
