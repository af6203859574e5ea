// fixed_vertices.cpp -- begin/end blocks: the vertices with the current colour and normal,
// assembled into triangles, lines and points for the vertex shader; wide lines as quads made on
// the processor where the rasteriser cannot widen them.
#include <GL/gl.h>

#include <cmath>
#include <cstring>

#include "platform/web/fixed_assembly.h"
#include "platform/web/fixed_context.h"
#include "platform/web/fixed_gl.h"

namespace fixedgl {

static ClipVertex between(const ClipVertex& a, const ClipVertex& b, float t) {
    const float* pa = &a.x;
    const float* pb = &b.x;
    ClipVertex v;
    float* pv = &v.x;
    for (int i = 0; i < 9; ++i)
        pv[i] = pa[i] + t * (pb[i] - pa[i]);
    return v;
}

// A line wider than one pixel is the parallelogram that covers `width`
// pixels across its minor axis (vertically for a line more wide than tall),
// as OpenGL widens aliased lines; cut at the near plane first so that its
// ends have window positions. Made on the processor where the rasteriser
// cannot (its shader widens them the same way).
static void emitWideLine(ClipVertex a, ClipVertex b, int width) {
    const float da = a.z + a.w;
    const float db = b.z + b.w;
    if (da < 0.0f && db < 0.0f)
        return;
    if (da < 0.0f)
        a = between(a, b, da / (da - db));
    else if (db < 0.0f)
        b = between(b, a, db / (db - da));
    const int* vp = context.viewport;
    if (vp[2] <= 0 || vp[3] <= 0)
        return;
    const float ax = (a.x / a.w + 1.0f) * 0.5f * static_cast<float>(vp[2]);
    const float ay = (a.y / a.w + 1.0f) * 0.5f * static_cast<float>(vp[3]);
    const float bx = (b.x / b.w + 1.0f) * 0.5f * static_cast<float>(vp[2]);
    const float by = (b.y / b.w + 1.0f) * 0.5f * static_cast<float>(vp[3]);
    const bool xMajor = std::fabs(bx - ax) >= std::fabs(by - ay);
    const float halfX = xMajor ? 0.0f : static_cast<float>(width) / static_cast<float>(vp[2]);
    const float halfY = xMajor ? static_cast<float>(width) / static_cast<float>(vp[3]) : 0.0f;
    ClipVertex corners[4];
    const ClipVertex* ends[2] = {&a, &b};
    for (int n = 0; n < 4; ++n) {
        const ClipVertex& end = *ends[n / 2];
        const float side = (n == 0 || n == 3) ? -1.0f : 1.0f;
        // Moved in window space, kept in clip space: colours and fog are
        // interpolated across the line as across any primitive.
        ClipVertex& v = corners[n];
        v = end;
        v.x = end.x + side * halfX * end.w;
        v.y = end.y + side * halfY * end.w;
    }
    const ClipVertex triangles[6] = {corners[0], corners[1], corners[2],
                                     corners[0], corners[2], corners[3]};
    emitClip(Primitive::triangles, triangles, 6);
}

void assemble(GLenum mode, const ShadedVertex* v, int n) {
    if (rasterSink == nullptr || n == 0)
        return;
    if (isTriangleMode(mode)) {
        const int triangles = triangleCount(mode, n);
        if (triangles == 0)
            return;
        ShadedVertex* out =
            rasterSink->appendShaded(Primitive::triangles, 3 * triangles, drawState());
        forEachTriangle(mode, n, [&out, v](int a, int b, int c) {
            out[0] = v[a];
            out[1] = v[b];
            out[2] = v[c];
            out += 3;
        });
    } else if (isLineMode(mode)) {
        const int lines = lineCount(mode, n);
        if (lines == 0)
            return;
        const int width = static_cast<int>(std::lround(context.lineWidth));
        if (width > 1) {
            ShadedVertex* ends = rasterSink->appendWideLines(lines, width, drawState());
            forEachLine(mode, n, [&ends, v, width](int a, int b) {
                if (ends == nullptr) {
                    emitWideLine(processVertex(v[a]), processVertex(v[b]), width);
                    return;
                }
                ends[0] = v[a];
                ends[1] = v[b];
                ends += 2;
            });
            return;
        }
        ShadedVertex* out = rasterSink->appendShaded(Primitive::lines, 2 * lines, drawState());
        forEachLine(mode, n, [&out, v](int a, int b) {
            out[0] = v[a];
            out[1] = v[b];
            out += 2;
        });
    } else if (mode == GL_POINTS) {
        ShadedVertex* out = rasterSink->appendShaded(Primitive::points, n, drawState());
        std::memcpy(out, v, sizeof(ShadedVertex) * static_cast<std::size_t>(n));
    }
}

void begin(GLenum mode) {
    if (compiledOnly(ListOp::begin, mode) || insideBegin())
        return;
    if (!isValidMode(mode)) {
        setError(GL_INVALID_ENUM);
        return;
    }
    context.primitiveMode = mode;
    context.primitive.clear();
}

void end() {
    if (compiledOnly(ListOp::end))
        return;
    if (context.primitiveMode == kNoBlock) {
        setError(GL_INVALID_OPERATION);
        return;
    }
    const GLenum mode = context.primitiveMode;
    context.primitiveMode = kNoBlock;
    assemble(mode, context.primitive.data(), static_cast<int>(context.primitive.size()));
}

void vertex3f(GLfloat x, GLfloat y, GLfloat z) {
    if (compiledOnly(ListOp::vertex, 0, x, y, z))
        return;
    // A vertex outside begin/end does nothing (its result is undefined in GL).
    if (context.primitiveMode == kNoBlock)
        return;
    const float* c = context.colour;
    const float* n = context.normal;
    context.primitive.push_back(ShadedVertex{x, y, z, c[0], c[1], c[2], c[3], n[0], n[1], n[2]});
}

void vertex3d(GLdouble x, GLdouble y, GLdouble z) {
    vertex3f(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
}

void vertex2d(GLdouble x, GLdouble y) {
    vertex3f(static_cast<float>(x), static_cast<float>(y), 0.0f);
}

void setColour(float r, float g, float b) {
    if (compiledOnly(ListOp::color, 0, r, g, b))
        return;
    setFour(context.colour, r, g, b, 1.0f);
    if (context.colourMaterial) {
        const GLenum mode = context.colourMaterialMode;
        if (mode == GL_AMBIENT || mode == GL_AMBIENT_AND_DIFFUSE)
            std::memcpy(context.materialAmbient, context.colour, sizeof context.colour);
        if (mode == GL_DIFFUSE || mode == GL_AMBIENT_AND_DIFFUSE)
            std::memcpy(context.materialDiffuse, context.colour, sizeof context.colour);
    }
}

void color3f(GLfloat r, GLfloat g, GLfloat b) {
    setColour(r, g, b);
}

void color3d(GLdouble r, GLdouble g, GLdouble b) {
    setColour(static_cast<float>(r), static_cast<float>(g), static_cast<float>(b));
}

void color3ub(GLubyte r, GLubyte g, GLubyte b) {
    setColour(r / 255.0f, g / 255.0f, b / 255.0f);
}

void normal3f(GLfloat x, GLfloat y, GLfloat z) {
    if (compiledOnly(ListOp::normal, 0, x, y, z))
        return;
    context.normal[0] = x;
    context.normal[1] = y;
    context.normal[2] = z;
}

}  // namespace fixedgl
