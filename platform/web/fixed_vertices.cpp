// fixed_vertices.cpp -- vertices transformed and lit on the CPU (spot lights, colour
// material), and begin/end blocks and vertex arrays assembled into triangles, lines and points.
#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/web/fixed_context.h"
#include "platform/web/fixed_gl.h"

namespace fixedgl {

// ---- Lighting ----

static float dot3(const float* a, const float* b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// GL 1.x lighting of one vertex at eye position `eye` with material colours
// from colour material or the material; no specular, no emission (neither is
// ever set), one-sided, infinite viewer.
static void lightVertex(const float* eye, const float* colour, float* out) {
    const Context& c = context;
    const bool track = c.colourMaterial;
    const bool trackAmbient = track && (c.colourMaterialMode == GL_AMBIENT ||
                                        c.colourMaterialMode == GL_AMBIENT_AND_DIFFUSE);
    const bool trackDiffuse = track && (c.colourMaterialMode == GL_DIFFUSE ||
                                        c.colourMaterialMode == GL_AMBIENT_AND_DIFFUSE);
    const float* ambient = trackAmbient ? colour : c.materialAmbient;
    const float* diffuse = trackDiffuse ? colour : c.materialDiffuse;

    const float* nm = normalMatrix();
    const float* n0 = c.normal;
    const float normal[3] = {nm[0] * n0[0] + nm[1] * n0[1] + nm[2] * n0[2],
                             nm[3] * n0[0] + nm[4] * n0[1] + nm[5] * n0[2],
                             nm[6] * n0[0] + nm[7] * n0[1] + nm[8] * n0[2]};
    float sum[3];
    for (int i = 0; i < 3; ++i)
        sum[i] = ambient[i] * c.modelAmbient[i];
    for (const Light& light : c.lights) {
        if (!light.enabled)
            continue;
        float toLight[3];
        float attenuation = 1.0f;
        if (light.position[3] == 0.0f) {
            std::memcpy(toLight, light.position, sizeof toLight);
        } else {
            for (int i = 0; i < 3; ++i)
                toLight[i] = light.position[i] / light.position[3] - eye[i];
            const float distance = std::sqrt(dot3(toLight, toLight));
            attenuation = 1.0f / (light.attenuation[0] + light.attenuation[1] * distance +
                                  light.attenuation[2] * distance * distance);
        }
        const float length = std::sqrt(dot3(toLight, toLight));
        if (length > 0.0f) {
            for (float& v : toLight)
                v /= length;
        }
        if (light.spotCutoff != 180.0f) {
            const float* d = light.spotDirection;
            const float dLength = std::sqrt(dot3(d, d));
            const float spotDot =
                -(toLight[0] * d[0] + toLight[1] * d[1] + toLight[2] * d[2]) / dLength;
            const float cutoff =
                static_cast<float>(std::cos(static_cast<double>(light.spotCutoff) * M_PI / 180.0));
            if (spotDot < cutoff)
                continue;
            if (light.spotExponent != 0.0f)
                attenuation *= std::pow(spotDot, light.spotExponent);
        }
        const float diffuseDot = std::max(dot3(normal, toLight), 0.0f);
        for (int i = 0; i < 3; ++i) {
            sum[i] += attenuation *
                      (light.ambient[i] * ambient[i] + diffuseDot * light.diffuse[i] * diffuse[i]);
        }
    }
    for (int i = 0; i < 3; ++i)
        out[i] = clamp01(sum[i]);
    out[3] = clamp01(diffuse[3]);
}

// ---- Vertices ----

RasterVertex processVertex(float x, float y, float z, const float* colour) {
    const float* mv = context.modelView.back().m;
    const float eye[4] = {
        mv[0] * x + mv[4] * y + mv[8] * z + mv[12], mv[1] * x + mv[5] * y + mv[9] * z + mv[13],
        mv[2] * x + mv[6] * y + mv[10] * z + mv[14], mv[3] * x + mv[7] * y + mv[11] * z + mv[15]};
    const float* m = modelViewProjection();
    RasterVertex v;
    v.x = m[0] * x + m[4] * y + m[8] * z + m[12];
    v.y = m[1] * x + m[5] * y + m[9] * z + m[13];
    v.z = m[2] * x + m[6] * y + m[10] * z + m[14];
    v.w = m[3] * x + m[7] * y + m[11] * z + m[15];
    float lit[4];
    if (context.lighting) {
        const float point[3] = {eye[0] / eye[3], eye[1] / eye[3], eye[2] / eye[3]};
        lightVertex(point, colour, lit);
    } else {
        for (int i = 0; i < 4; ++i)
            lit[i] = clamp01(colour[i]);
    }
    v.r = lit[0];
    v.g = lit[1];
    v.b = lit[2];
    v.a = lit[3];
    v.fog = std::fabs(eye[2] / eye[3]);
    return v;
}

void emit(Primitive primitive, const RasterVertex* vertices, int count) {
    if (rasterSink == nullptr || count == 0)
        return;
    RasterVertex* room = rasterSink->append(primitive, count, context.raster, context.rasterSerial);
    std::memcpy(room, vertices, sizeof(RasterVertex) * static_cast<std::size_t>(count));
}

static void emitTriangle(const RasterVertex& a, const RasterVertex& b, const RasterVertex& c) {
    const RasterVertex triangle[3] = {a, b, c};
    emit(Primitive::triangles, triangle, 3);
}

static RasterVertex between(const RasterVertex& a, const RasterVertex& b, float t) {
    const float* pa = &a.x;
    const float* pb = &b.x;
    RasterVertex v;
    float* pv = &v.x;
    for (int i = 0; i < 9; ++i)
        pv[i] = pa[i] + t * (pb[i] - pa[i]);
    return v;
}

// A line wider than one pixel is the parallelogram that covers `width`
// pixels across its minor axis (vertically for a line more wide than tall),
// as OpenGL widens aliased lines; cut at the near plane first so that its
// ends have window positions.
static void emitLine(RasterVertex a, RasterVertex b) {
    const int width = static_cast<int>(std::lround(context.lineWidth));
    if (width <= 1) {
        const RasterVertex line[2] = {a, b};
        emit(Primitive::lines, line, 2);
        return;
    }
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
    RasterVertex corners[4];
    const RasterVertex* ends[2] = {&a, &b};
    for (int n = 0; n < 4; ++n) {
        const RasterVertex& end = *ends[n / 2];
        const float side = (n == 0 || n == 3) ? -1.0f : 1.0f;
        RasterVertex& v = corners[n];
        // Moved in window space, kept in clip space: colours and fog are
        // interpolated across the line as across any primitive.
        v = end;
        v.x = end.x + side * halfX * end.w;
        v.y = end.y + side * halfY * end.w;
    }
    emitTriangle(corners[0], corners[1], corners[2]);
    emitTriangle(corners[0], corners[2], corners[3]);
}

// The open block's vertices as triangles, lines or points. Quads, quad strips
// and polygons are split along the same diagonals as the desktop renderer
// splits them, so smooth colours run the same way across them.
static void assemble(GLenum mode, const std::vector<RasterVertex>& v) {
    const int n = static_cast<int>(v.size());
    switch (mode) {
        case GL_POINTS:
            emit(Primitive::points, v.data(), n);
            break;
        case GL_LINES:
            for (int i = 0; i + 1 < n; i += 2)
                emitLine(v[i], v[i + 1]);
            break;
        case GL_LINE_STRIP:
        case GL_LINE_LOOP:
            for (int i = 0; i + 1 < n; ++i)
                emitLine(v[i], v[i + 1]);
            if (mode == GL_LINE_LOOP && n > 2)
                emitLine(v[n - 1], v[0]);
            break;
        case GL_TRIANGLES:
            if (n >= 3)
                emit(Primitive::triangles, v.data(), n - n % 3);
            break;
        case GL_TRIANGLE_STRIP:
            for (int i = 0; i + 2 < n; ++i) {
                if (i % 2 == 0)
                    emitTriangle(v[i], v[i + 1], v[i + 2]);
                else
                    emitTriangle(v[i + 1], v[i], v[i + 2]);
            }
            break;
        case GL_TRIANGLE_FAN:
            for (int i = 1; i + 1 < n; ++i)
                emitTriangle(v[0], v[i], v[i + 1]);
            break;
        case GL_QUADS:
            for (int i = 0; i + 3 < n; i += 4) {
                emitTriangle(v[i], v[i + 1], v[i + 3]);
                emitTriangle(v[i + 1], v[i + 2], v[i + 3]);
            }
            break;
        case GL_QUAD_STRIP:
            for (int i = 0; i + 3 < n; i += 2) {
                emitTriangle(v[i + 2], v[i], v[i + 3]);
                emitTriangle(v[i], v[i + 1], v[i + 3]);
            }
            break;
        case GL_POLYGON:
            for (int i = 1; i + 1 < n; ++i)
                emitTriangle(v[i], v[i + 1], v[0]);
            break;
        default:
            break;
    }
}

static bool validMode(GLenum mode) {
    return mode <= GL_POLYGON;  // GL_POINTS (0) .. GL_POLYGON (9)
}

void begin(GLenum mode) {
    if (compiledOnly(ListOp::begin, mode) || insideBegin())
        return;
    if (!validMode(mode)) {
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
    assemble(mode, context.primitive);
}

void vertex3f(GLfloat x, GLfloat y, GLfloat z) {
    if (compiledOnly(ListOp::vertex, 0, x, y, z))
        return;
    // A vertex outside begin/end does nothing (its result is undefined in GL).
    if (context.primitiveMode != kNoBlock)
        context.primitive.push_back(processVertex(x, y, z, context.colour));
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

// ---- Vertex arrays ----

void enableClientState(GLenum array) {
    if (array == GL_VERTEX_ARRAY)
        context.vertexArray = true;
    else if (array == GL_COLOR_ARRAY)
        context.colorArray = true;
    else
        setError(GL_INVALID_ENUM);
}

void disableClientState(GLenum array) {
    if (array == GL_VERTEX_ARRAY)
        context.vertexArray = false;
    else if (array == GL_COLOR_ARRAY)
        context.colorArray = false;
    else
        setError(GL_INVALID_ENUM);
}

void vertexPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) {
    if (size < 2 || size > 4 || stride < 0) {
        setError(GL_INVALID_VALUE);
        return;
    }
    if (type != GL_FLOAT) {
        setError(GL_INVALID_ENUM);
        return;
    }
    context.vertexSize = size;
    context.vertexType = type;
    context.vertexStride = stride;
    context.vertexPointer = pointer;
}

void colorPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) {
    if (size < 3 || size > 4 || stride < 0) {
        setError(GL_INVALID_VALUE);
        return;
    }
    if (type != GL_FLOAT) {
        setError(GL_INVALID_ENUM);
        return;
    }
    context.colorSize = size;
    context.colorType = type;
    context.colorStride = stride;
    context.colorPointer = pointer;
}

static unsigned arrayIndex(GLenum type, const void* indices, int i) {
    if (type == GL_UNSIGNED_INT)
        return static_cast<const GLuint*>(indices)[i];
    if (type == GL_UNSIGNED_SHORT)
        return static_cast<const GLushort*>(indices)[i];
    return static_cast<const GLubyte*>(indices)[i];
}

// Every array element is transformed and lit once per call, however many
// triangles share it.
void drawElements(GLenum mode, GLsizei count, GLenum type, const void* indices) {
    if (insideBegin())
        return;
    if (!validMode(mode) ||
        (type != GL_UNSIGNED_INT && type != GL_UNSIGNED_SHORT && type != GL_UNSIGNED_BYTE)) {
        setError(GL_INVALID_ENUM);
        return;
    }
    if (count < 0) {
        setError(GL_INVALID_VALUE);
        return;
    }
    if (!context.vertexArray || count == 0)
        return;
    static std::vector<RasterVertex> done;
    static std::vector<unsigned> doneStamp;
    static unsigned stamp = 0;
    stamp += 1;
    if (stamp == 0) {  // wrapped: no element counts as done
        std::fill(doneStamp.begin(), doneStamp.end(), 0u);
        stamp = 1;
    }
    const auto* positions = static_cast<const unsigned char*>(context.vertexPointer);
    const auto* colours = static_cast<const unsigned char*>(context.colorPointer);
    const std::size_t positionStride = context.vertexStride != 0
                                           ? static_cast<std::size_t>(context.vertexStride)
                                           : sizeof(float) * context.vertexSize;
    const std::size_t colourStride = context.colorStride != 0
                                         ? static_cast<std::size_t>(context.colorStride)
                                         : sizeof(float) * context.colorSize;
    std::vector<RasterVertex>& out = context.primitive;
    out.clear();
    float colour[4] = {context.colour[0], context.colour[1], context.colour[2], 1.0f};
    for (int i = 0; i < count; ++i) {
        const unsigned index = arrayIndex(type, indices, i);
        if (index >= done.size()) {
            done.resize(index + 1);
            doneStamp.resize(index + 1, 0);
        }
        if (doneStamp[index] != stamp) {
            const auto* p = reinterpret_cast<const float*>(positions + positionStride * index);
            if (context.colorArray) {
                const auto* c = reinterpret_cast<const float*>(colours + colourStride * index);
                setFour(colour, c[0], c[1], c[2], context.colorSize == 4 ? c[3] : 1.0f);
            }
            done[index] = processVertex(p[0], p[1], context.vertexSize > 2 ? p[2] : 0.0f, colour);
            doneStamp[index] = stamp;
        }
        out.push_back(done[index]);
    }
    if (context.colorArray)
        setColour(colour[0], colour[1], colour[2]);
    assemble(mode, out);
    out.clear();
}

}  // namespace fixedgl
