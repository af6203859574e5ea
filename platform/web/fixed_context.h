// fixed_context.h -- the fixed-function layer's context record and the helpers its parts share:
// state (fixed_state.cpp), matrices, lighting, vertices, arrays, bitmaps, display lists and the
// GLU shapes.
#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <memory>
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

// A run of a list's triangle blocks, kept in GPU memory and drawn as one.
struct ListPart {
    std::uint32_t first, count;  // in the list's kept indices
    bool currentColour;          // its vertices take the colour current at the call
    bool currentNormal;          // ... and the normal
    bool leavesColour;           // it sets the current colour, to `colour`
    bool leavesNormal;           // ... and the normal
    float colour[3];
    float normal[3];
};

// A step of a list's replay: a kept part, or a command run as recorded.
struct ListItem {
    bool part;
    std::uint32_t index;  // into parts or commands
};

struct DisplayList {
    std::vector<ListCommand> commands;
    std::vector<std::vector<GLubyte>> bitmaps;
    // Made when the list is ended (fixed_list_geometry.cpp).
    std::vector<ListItem> items;
    std::vector<ListPart> parts;
    std::shared_ptr<KeptVertices> kept;
};

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
    bool transformDirty;       // a matrix changed since `transform` was made
    unsigned transformSerial;  // changes with either matrix
    TransformState transform;  // the vertex shader's matrices

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
    bool lightingDirty;           // the lighting changed since `lightingState` was made
    unsigned lightingSerial;      // changes with the lighting the shader sees
    LightingState lightingState;  // the vertex shader's lighting

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
    std::vector<ShadedVertex> primitive;

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

// The vertex shader's matrices, made when first needed after a change.
const TransformState& transformState();

// The lighting changed: the shader's lighting is made again when next needed.
void lightingChanged();

// The state the next vertices are drawn under.
DrawState drawState();

// The current colour and normal, for draws whose vertices take them.
CurrentValues currentValues(bool useColour, bool useNormal);

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

// Records the call into the list being compiled; true when it must not run now.
bool recordCommand(ListOp op, std::uint32_t data, double a0, double a1, double a2, double a3,
                   double a4, double a5);

// True when the call goes into the list being compiled and must not run now.
inline bool compiledOnly(ListOp op, std::uint32_t data = 0, double a0 = 0, double a1 = 0,
                         double a2 = 0, double a3 = 0, double a4 = 0, double a5 = 0) {
    if (context.compilingList == 0 || context.replayDepth > 0)
        return false;
    return recordCommand(op, data, a0, a1, a2, a3, a4, a5);
}

// The fixed-function vertex transformed, lit (or coloured) and clamped on the
// processor, for the few whose window position the layer needs: the raster
// position and the ends of wide lines.
ClipVertex processVertex(const ShadedVertex& vertex);

// Hands `count` transformed vertices of a primitive to the sink.
void emitClip(Primitive primitive, const ClipVertex* vertices, int count);

// The block's vertices as triangles, lines or points, for the sink.
void assemble(GLenum mode, const ShadedVertex* vertices, int count);

// The list's triangle blocks made into kept parts, when the list is ended.
void compileListGeometry(DisplayList& list);

// Compiles or runs the list commands; the list module's side of callList.
void runList(GLuint name);

}  // namespace fixedgl
