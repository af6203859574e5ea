// fixed_context.h -- the fixed-function layer's context record and the helpers its parts share:
// state (fixed_state.cpp), matrices, vertices, bitmaps, display lists and the GLU shapes.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <vector>

#include "platform/web/raster_sink.h"

namespace fixedgl {

// Column-major, as OpenGL keeps them.
struct Matrix {
    float m[16];
};

inline constexpr Matrix kIdentity = {{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}};

struct Light {
    bool enabled;
    float ambient[4];
    float diffuse[4];
    float specular[4];
    float position[4];       // eye coordinates
    float spotDirection[3];  // eye coordinates
    float spotExponent;
    float spotCutoff;  // degrees; 180 is no spot
    float attenuation[3];
};

// Calls that a display list keeps.
enum class ListOp : unsigned char {
    begin,
    end,
    vertex,
    color,
    normal,
    matrixMode,
    loadIdentity,
    pushMatrix,
    popMatrix,
    translate,
    rotate,
    scale,
    enable,
    disable,
    lineWidth,
    rasterPos,
    bitmap,
    callList,
    listBase,
    shadeModel,
    depthFunc,
};

struct ListCommand {
    ListOp op;
    double a[6];
    std::uint32_t data;  // an enum, a list name, or the index of a bitmap
};

struct DisplayList {
    std::vector<ListCommand> commands;
    std::vector<std::vector<GLubyte>> bitmaps;
};

constexpr int kMaxLights = 8;
constexpr int kStackDepth = 32;

// The primitive mode outside begin/end: no mode's number (GL_POINTS is 0, as GL_NONE is).
constexpr GLenum kNoBlock = 0xFFFF;

// The one context. Alive for the whole run; resetContext puts it back as a
// new context is, and a lost WebGL context comes back that way.
struct Context {
    // Matrices: stacks of the model-view and projection matrices.
    std::vector<Matrix> modelView;
    std::vector<Matrix> projection;
    GLenum matrixMode;
    bool normalMatrixDirty;  // the model-view matrix changed since normalMatrix was made
    float normalMatrix[9];   // inverse transpose of the model-view's upper 3x3
    bool mvpDirty;           // either matrix changed since mvp was made
    float mvp[16];           // projection x model-view

    // Current values.
    float colour[4];
    float normal[3];

    // Lighting.
    bool lighting;
    bool colourMaterial;
    GLenum colourMaterialFace;
    GLenum colourMaterialMode;
    float materialAmbient[4];
    float materialDiffuse[4];
    float modelAmbient[4];
    Light lights[kMaxLights];

    // Fragments.
    RasterState raster;
    unsigned rasterSerial;  // changes with `raster`
    bool fog;
    GLenum fogMode;  // the mode chosen, whether fog is on or not
    bool blend;
    bool alphaTest;
    float lineWidth;
    GLenum shadeModel;
    float clearColour[4];
    double clearDepth;
    int viewport[4];

    // Primitive assembly: the vertices of the open begin/end block.
    GLenum primitiveMode;  // kNoBlock outside begin/end
    std::vector<RasterVertex> primitive;

    // Raster position for bitmaps, in window coordinates.
    bool rasterValid;
    float rasterPos[3];
    float rasterColour[4];
    float rasterFog;
    int unpackAlignment;
    std::vector<int> clientAttribStack;  // saved unpack alignments
    std::vector<GLuint> attribStack;     // saved list bases

    // Vertex arrays.
    bool vertexArray;
    bool colorArray;
    GLint vertexSize, colorSize;
    GLenum vertexType, colorType;
    GLsizei vertexStride, colorStride;
    const void* vertexPointer;
    const void* colorPointer;

    // Display lists: name n lives at lists[n - 1].
    std::vector<DisplayList> lists;
    std::vector<bool> listNamed;
    GLuint listBase;
    GLuint compilingList;  // 0 when none
    bool compileAndExecute;
    DisplayList compiling;
    int replayDepth;

    GLenum error;  // the first error since the last getError
};

extern Context context;
extern RasterSink* rasterSink;

void setError(GLenum error);

// Inside begin/end most calls are errors: true (with the error set) there.
bool insideBegin();

// The inverse transpose of the model-view's upper 3x3, which carries normals
// into eye coordinates, and projection x model-view; made when first needed.
const float* normalMatrix();
const float* modelViewProjection();

// glColor's work: the current colour, and the material where it is tracked.
void setColour(float r, float g, float b);

inline float clamp01(float v) {
    return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v);
}

inline void setFour(float* to, float a, float b, float c, float d) {
    to[0] = a;
    to[1] = b;
    to[2] = c;
    to[3] = d;
}

// True when the call goes into the list being compiled and must not run now.
bool compiledOnly(ListOp op, std::uint32_t data = 0, double a0 = 0, double a1 = 0, double a2 = 0,
                  double a3 = 0, double a4 = 0, double a5 = 0);

// The fixed-function vertex: transformed, lit (or coloured) and clamped.
RasterVertex processVertex(float x, float y, float z, const float colour[4]);

// Hands `count` vertices of a primitive to the sink under the current state.
void emit(Primitive primitive, const RasterVertex* vertices, int count);

// Compiles or runs the list commands; the list module's side of callList.
void runList(GLuint name);

}  // namespace fixedgl
