// fixed_gl.cpp -- the fixed-function pipeline on the CPU: matrices, lighting with spot lights
// and colour material, primitive assembly into triangles, wide lines, bitmaps, errors.
#include "platform/web/fixed_gl.h"

#include <GL/gl.h>

#include <cmath>
#include <cstring>

#include "platform/web/fixed_context.h"

namespace fixedgl {

Context context;
RasterSink* rasterSink = nullptr;

void setRasterSink(RasterSink* sink) {
    rasterSink = sink;
}

void setError(GLenum error) {
    if (context.error == GL_NO_ERROR)
        context.error = error;
}

GLenum getError() {
    const GLenum error = context.error;
    context.error = GL_NO_ERROR;
    return error;
}

static const Matrix kIdentity = {{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}};

static void setFour(float* to, float a, float b, float c, float d) {
    to[0] = a;
    to[1] = b;
    to[2] = c;
    to[3] = d;
}

void resetContext() {
    Context& c = context;
    c.modelView.assign(1, kIdentity);
    c.projection.assign(1, kIdentity);
    c.matrixMode = GL_MODELVIEW;
    c.normalMatrixDirty = true;
    c.mvpDirty = true;
    setFour(c.colour, 1, 1, 1, 1);
    c.normal[0] = 0;
    c.normal[1] = 0;
    c.normal[2] = 1;
    c.lighting = false;
    c.colourMaterial = false;
    c.colourMaterialFace = GL_FRONT_AND_BACK;
    c.colourMaterialMode = GL_AMBIENT_AND_DIFFUSE;
    setFour(c.materialAmbient, 0.2f, 0.2f, 0.2f, 1);
    setFour(c.materialDiffuse, 0.8f, 0.8f, 0.8f, 1);
    setFour(c.modelAmbient, 0.2f, 0.2f, 0.2f, 1);
    for (int n = 0; n < kMaxLights; ++n) {
        Light& light = c.lights[n];
        light.enabled = false;
        setFour(light.ambient, 0, 0, 0, 1);
        const float on = n == 0 ? 1.0f : 0.0f;
        setFour(light.diffuse, on, on, on, 1);
        setFour(light.specular, on, on, on, 1);
        setFour(light.position, 0, 0, 1, 0);
        light.spotDirection[0] = 0;
        light.spotDirection[1] = 0;
        light.spotDirection[2] = -1;
        light.spotExponent = 0;
        light.spotCutoff = 180;
        light.attenuation[0] = 1;
        light.attenuation[1] = 0;
        light.attenuation[2] = 0;
    }
    c.raster = RasterState{false, GL_LESS, 0, 0.0f, 1.0f, 1.0f, {0, 0, 0, 0}};
    c.rasterSerial += 1;
    c.fog = false;
    c.fogMode = GL_EXP;
    c.blend = false;
    c.alphaTest = false;
    c.lineWidth = 1;
    c.shadeModel = GL_SMOOTH;
    setFour(c.clearColour, 0, 0, 0, 0);
    c.clearDepth = 1.0;
    c.viewport[0] = c.viewport[1] = c.viewport[2] = c.viewport[3] = 0;
    c.primitiveMode = GL_NONE;
    c.primitive.clear();
    c.rasterValid = true;
    c.rasterPos[0] = c.rasterPos[1] = c.rasterPos[2] = 0;
    setFour(c.rasterColour, 1, 1, 1, 1);
    c.rasterFog = 0;
    c.unpackAlignment = 4;
    c.clientAttribStack.clear();
    c.attribStack.clear();
    c.vertexArray = c.colorArray = false;
    c.vertexPointer = c.colorPointer = nullptr;
    c.lists.clear();
    c.listNamed.clear();
    c.listBase = 0;
    c.compilingList = 0;
    c.compiling = DisplayList{};
    c.replayDepth = 0;
    c.error = GL_NO_ERROR;
}

static bool insideBegin() {
    if (context.primitiveMode == GL_NONE)
        return false;
    setError(GL_INVALID_OPERATION);
    return true;
}

// ---- Matrices ----

static std::vector<Matrix>& currentStack() {
    return context.matrixMode == GL_PROJECTION ? context.projection : context.modelView;
}

static void matrixChanged() {
    if (context.matrixMode == GL_MODELVIEW)
        context.normalMatrixDirty = true;
    context.mvpDirty = true;
}

// top = top x m, in single precision as the matrices are kept.
static void multiplyCurrent(const float* m) {
    float* top = currentStack().back().m;
    float result[16];
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            float sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += top[k * 4 + row] * m[column * 4 + k];
            result[column * 4 + row] = sum;
        }
    }
    std::memcpy(top, result, sizeof result);
    matrixChanged();
}

void matrixMode(GLenum mode) {
    if (compiledOnly(ListOp::matrixMode, mode) || insideBegin())
        return;
    if (mode != GL_MODELVIEW && mode != GL_PROJECTION) {
        setError(GL_INVALID_ENUM);
        return;
    }
    context.matrixMode = mode;
}

void loadIdentity() {
    if (compiledOnly(ListOp::loadIdentity) || insideBegin())
        return;
    currentStack().back() = kIdentity;
    matrixChanged();
}

void pushMatrix() {
    if (compiledOnly(ListOp::pushMatrix) || insideBegin())
        return;
    std::vector<Matrix>& stack = currentStack();
    if (static_cast<int>(stack.size()) >= kStackDepth) {
        setError(GL_STACK_OVERFLOW);
        return;
    }
    stack.push_back(stack.back());
}

void popMatrix() {
    if (compiledOnly(ListOp::popMatrix) || insideBegin())
        return;
    std::vector<Matrix>& stack = currentStack();
    if (stack.size() <= 1) {
        setError(GL_STACK_UNDERFLOW);
        return;
    }
    stack.pop_back();
    matrixChanged();
}

void translated(GLdouble x, GLdouble y, GLdouble z) {
    translatef(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
}

void translatef(GLfloat x, GLfloat y, GLfloat z) {
    if (compiledOnly(ListOp::translate, 0, x, y, z) || insideBegin())
        return;
    const float m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, y, z, 1};
    multiplyCurrent(m);
}

void rotated(GLdouble angle, GLdouble x, GLdouble y, GLdouble z) {
    rotatef(static_cast<float>(angle), static_cast<float>(x), static_cast<float>(y),
            static_cast<float>(z));
}

void rotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
    if (compiledOnly(ListOp::rotate, 0, angle, x, y, z) || insideBegin())
        return;
    const double length = std::sqrt(static_cast<double>(x) * x + static_cast<double>(y) * y +
                                    static_cast<double>(z) * z);
    if (length == 0.0)
        return;
    const double radians = static_cast<double>(angle) * M_PI / 180.0;
    const float s = static_cast<float>(std::sin(radians));
    const float c = static_cast<float>(std::cos(radians));
    const float ax = static_cast<float>(x / length);
    const float ay = static_cast<float>(y / length);
    const float az = static_cast<float>(z / length);
    const float t = 1.0f - c;
    const float m[16] = {ax * ax * t + c,
                         ay * ax * t + az * s,
                         ax * az * t - ay * s,
                         0,
                         ax * ay * t - az * s,
                         ay * ay * t + c,
                         ay * az * t + ax * s,
                         0,
                         ax * az * t + ay * s,
                         ay * az * t - ax * s,
                         az * az * t + c,
                         0,
                         0,
                         0,
                         0,
                         1};
    multiplyCurrent(m);
}

void scaled(GLdouble x, GLdouble y, GLdouble z) {
    if (compiledOnly(ListOp::scale, 0, x, y, z) || insideBegin())
        return;
    const float m[16] = {static_cast<float>(x),
                         0,
                         0,
                         0,
                         0,
                         static_cast<float>(y),
                         0,
                         0,
                         0,
                         0,
                         static_cast<float>(z),
                         0,
                         0,
                         0,
                         0,
                         1};
    multiplyCurrent(m);
}

void multMatrixd(const GLdouble* values) {
    if (insideBegin())
        return;
    float m[16];
    for (int i = 0; i < 16; ++i)
        m[i] = static_cast<float>(values[i]);
    multiplyCurrent(m);
}

void ortho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear,
           GLdouble zFar) {
    if (left == right || bottom == top || zNear == zFar) {
        setError(GL_INVALID_VALUE);
        return;
    }
    GLdouble m[16] = {};
    m[0] = 2.0 / (right - left);
    m[5] = 2.0 / (top - bottom);
    m[10] = -2.0 / (zFar - zNear);
    m[12] = -(right + left) / (right - left);
    m[13] = -(top + bottom) / (top - bottom);
    m[14] = -(zFar + zNear) / (zFar - zNear);
    m[15] = 1.0;
    multMatrixd(m);
}

void getDoublev(GLenum name, GLdouble* values) {
    const float* m = nullptr;
    if (name == GL_MODELVIEW_MATRIX) {
        m = context.modelView.back().m;
    } else if (name == GL_PROJECTION_MATRIX) {
        m = context.projection.back().m;
    } else {
        setError(GL_INVALID_ENUM);
        return;
    }
    for (int i = 0; i < 16; ++i)
        values[i] = m[i];
}

// The inverse transpose of the model-view's upper 3x3 (the cofactors over the
// determinant), which carries normals into eye coordinates.
static const float* normalMatrix() {
    if (!context.normalMatrixDirty)
        return context.normalMatrix;
    const float* m = context.modelView.back().m;
    const auto a = [m](int row, int column) { return m[column * 4 + row]; };
    float* n = context.normalMatrix;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const int r0 = (row + 1) % 3, r1 = (row + 2) % 3;
            const int c0 = (column + 1) % 3, c1 = (column + 2) % 3;
            n[row * 3 + column] = a(r0, c0) * a(r1, c1) - a(r0, c1) * a(r1, c0);
        }
    }
    const float determinant = a(0, 0) * n[0] + a(0, 1) * n[1] + a(0, 2) * n[2];
    const float inverse = determinant != 0.0f ? 1.0f / determinant : 0.0f;
    for (int i = 0; i < 9; ++i)
        n[i] *= inverse;
    context.normalMatrixDirty = false;
    return n;
}

// ---- Lighting ----

static float dot3(const float* a, const float* b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

static float clamp01(float v) {
    return v < 0.0f ? 0.0f : (v > 1.0f ? 1.0f : v);
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

// The clip position comes from the product of the projection and model-view
// matrices, rounded as OpenGL keeps it, so that edges fall on the same pixels.
static const float* modelViewProjection() {
    if (!context.mvpDirty)
        return context.mvp;
    const float* p = context.projection.back().m;
    const float* mv = context.modelView.back().m;
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            float sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += p[k * 4 + row] * mv[column * 4 + k];
            context.mvp[column * 4 + row] = sum;
        }
    }
    context.mvpDirty = false;
    return context.mvp;
}

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
        v = end;
        v.x = end.x / end.w + side * halfX;
        v.y = end.y / end.w + side * halfY;
        v.z = end.z / end.w;
        v.w = 1.0f;
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
    if (context.primitiveMode == GL_NONE) {
        setError(GL_INVALID_OPERATION);
        return;
    }
    const GLenum mode = context.primitiveMode;
    context.primitiveMode = GL_NONE;
    assemble(mode, context.primitive);
}

void vertex3f(GLfloat x, GLfloat y, GLfloat z) {
    if (compiledOnly(ListOp::vertex, 0, x, y, z))
        return;
    // A vertex outside begin/end does nothing (its result is undefined in GL).
    if (context.primitiveMode != GL_NONE)
        context.primitive.push_back(processVertex(x, y, z, context.colour));
}

void vertex3d(GLdouble x, GLdouble y, GLdouble z) {
    vertex3f(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
}

void vertex2d(GLdouble x, GLdouble y) {
    vertex3f(static_cast<float>(x), static_cast<float>(y), 0.0f);
}

static void setColour(float r, float g, float b) {
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

// ---- Switches and parameters ----

static void rasterChanged() {
    context.rasterSerial += 1;
    context.raster.fogMode = context.fog ? context.fogMode : 0;
}

static bool setSwitch(GLenum cap, bool on) {
    Context& c = context;
    if (cap >= GL_LIGHT0 && cap < GL_LIGHT0 + kMaxLights) {
        c.lights[cap - GL_LIGHT0].enabled = on;
        return true;
    }
    switch (cap) {
        case GL_LIGHTING:
            c.lighting = on;
            return true;
        case GL_COLOR_MATERIAL:
            c.colourMaterial = on;
            if (on)
                setColour(c.colour[0], c.colour[1], c.colour[2]);
            return true;
        case GL_DEPTH_TEST:
            if (c.raster.depthTest != on) {
                c.raster.depthTest = on;
                rasterChanged();
            }
            return true;
        case GL_FOG:
            c.fog = on;
            rasterChanged();
            return true;
        case GL_BLEND:
            // Blending and the alpha test keep the default functions (one,
            // zero; always), under which they change no fragment.
            c.blend = on;
            return true;
        case GL_ALPHA_TEST:
            c.alphaTest = on;
            return true;
        default:
            return false;
    }
}

void enable(GLenum cap) {
    if (compiledOnly(ListOp::enable, cap) || insideBegin())
        return;
    if (!setSwitch(cap, true))
        setError(GL_INVALID_ENUM);
}

void disable(GLenum cap) {
    if (compiledOnly(ListOp::disable, cap) || insideBegin())
        return;
    if (!setSwitch(cap, false))
        setError(GL_INVALID_ENUM);
}

static Light* lightOf(GLenum light) {
    if (light < GL_LIGHT0 || light >= GL_LIGHT0 + kMaxLights) {
        setError(GL_INVALID_ENUM);
        return nullptr;
    }
    return &context.lights[light - GL_LIGHT0];
}

void lightfv(GLenum name, GLenum parameter, const GLfloat* values) {
    if (insideBegin())
        return;
    Light* light = lightOf(name);
    if (light == nullptr)
        return;
    const float* mv = context.modelView.back().m;
    switch (parameter) {
        case GL_AMBIENT:
            std::memcpy(light->ambient, values, sizeof light->ambient);
            break;
        case GL_DIFFUSE:
            std::memcpy(light->diffuse, values, sizeof light->diffuse);
            break;
        case GL_SPECULAR:
            std::memcpy(light->specular, values, sizeof light->specular);
            break;
        case GL_POSITION:
            for (int row = 0; row < 4; ++row) {
                light->position[row] = mv[row] * values[0] + mv[4 + row] * values[1] +
                                       mv[8 + row] * values[2] + mv[12 + row] * values[3];
            }
            break;
        case GL_SPOT_DIRECTION:
            for (int row = 0; row < 3; ++row) {
                light->spotDirection[row] =
                    mv[row] * values[0] + mv[4 + row] * values[1] + mv[8 + row] * values[2];
            }
            break;
        default:
            lightf(name, parameter, values[0]);
            break;
    }
}

void lightf(GLenum name, GLenum parameter, GLfloat value) {
    if (insideBegin())
        return;
    Light* light = lightOf(name);
    if (light == nullptr)
        return;
    switch (parameter) {
        case GL_SPOT_EXPONENT:
            if (value < 0.0f || value > 128.0f)
                setError(GL_INVALID_VALUE);
            else
                light->spotExponent = value;
            break;
        case GL_SPOT_CUTOFF:
            if ((value < 0.0f || value > 90.0f) && value != 180.0f)
                setError(GL_INVALID_VALUE);
            else
                light->spotCutoff = value;
            break;
        case GL_CONSTANT_ATTENUATION:
        case GL_LINEAR_ATTENUATION:
        case GL_QUADRATIC_ATTENUATION:
            if (value < 0.0f)
                setError(GL_INVALID_VALUE);
            else
                light->attenuation[parameter - GL_CONSTANT_ATTENUATION] = value;
            break;
        default:
            setError(GL_INVALID_ENUM);
            break;
    }
}

void colorMaterial(GLenum face, GLenum mode) {
    if (insideBegin())
        return;
    if (mode != GL_AMBIENT && mode != GL_DIFFUSE && mode != GL_AMBIENT_AND_DIFFUSE) {
        // Specular and emission never matter here: both stay black.
        setError(GL_INVALID_ENUM);
        return;
    }
    context.colourMaterialFace = face;
    context.colourMaterialMode = mode;
    if (context.colourMaterial)
        setColour(context.colour[0], context.colour[1], context.colour[2]);
}

void fogf(GLenum name, GLfloat value) {
    if (insideBegin())
        return;
    RasterState& r = context.raster;
    switch (name) {
        case GL_FOG_START:
            r.fogStart = value;
            break;
        case GL_FOG_END:
            r.fogEnd = value;
            break;
        case GL_FOG_DENSITY:
            if (value < 0.0f) {
                setError(GL_INVALID_VALUE);
                return;
            }
            r.fogDensity = value;
            break;
        case GL_FOG_MODE:
            fogi(name, static_cast<GLint>(value));
            return;
        default:
            setError(GL_INVALID_ENUM);
            return;
    }
    rasterChanged();
}

void fogi(GLenum name, GLint value) {
    if (name != GL_FOG_MODE) {
        fogf(name, static_cast<GLfloat>(value));
        return;
    }
    if (insideBegin())
        return;
    const GLenum mode = static_cast<GLenum>(value);
    if (mode != GL_LINEAR && mode != GL_EXP && mode != GL_EXP2) {
        setError(GL_INVALID_ENUM);
        return;
    }
    context.fogMode = mode;
    rasterChanged();
}

void fogfv(GLenum name, const GLfloat* values) {
    if (name != GL_FOG_COLOR) {
        fogf(name, values[0]);
        return;
    }
    if (insideBegin())
        return;
    for (int i = 0; i < 4; ++i)
        context.raster.fogColour[i] = clamp01(values[i]);
    rasterChanged();
}

void hint(GLenum, GLenum) {
    insideBegin();
}

void shadeModel(GLenum mode) {
    if (compiledOnly(ListOp::shadeModel, mode) || insideBegin())
        return;
    // Flat shading is never asked for; smooth is the rasteriser's only way.
    if (mode != GL_SMOOTH && mode != GL_FLAT) {
        setError(GL_INVALID_ENUM);
        return;
    }
    context.shadeModel = mode;
}

void lineWidth(GLfloat width) {
    if (compiledOnly(ListOp::lineWidth, 0, width) || insideBegin())
        return;
    if (width <= 0.0f) {
        setError(GL_INVALID_VALUE);
        return;
    }
    context.lineWidth = width;
}

void depthFunc(GLenum func) {
    if (compiledOnly(ListOp::depthFunc, func) || insideBegin())
        return;
    if (func < GL_NEVER || func > GL_ALWAYS) {
        setError(GL_INVALID_ENUM);
        return;
    }
    context.raster.depthFunc = func;
    rasterChanged();
}

void clearColor(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
    if (insideBegin())
        return;
    setFour(context.clearColour, clamp01(r), clamp01(g), clamp01(b), clamp01(a));
}

void clearDepth(GLdouble depth) {
    if (insideBegin())
        return;
    context.clearDepth = depth < 0.0 ? 0.0 : (depth > 1.0 ? 1.0 : depth);
}

void clear(GLbitfield mask) {
    if (insideBegin())
        return;
    if ((mask & ~(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT |
                  GL_ACCUM_BUFFER_BIT)) != 0) {
        setError(GL_INVALID_VALUE);
        return;
    }
    if (rasterSink != nullptr)
        rasterSink->clear(mask, context.clearColour, context.clearDepth);
}

void viewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    if (insideBegin())
        return;
    if (width < 0 || height < 0) {
        setError(GL_INVALID_VALUE);
        return;
    }
    int* v = context.viewport;
    if (v[0] == x && v[1] == y && v[2] == width && v[3] == height)
        return;
    v[0] = x;
    v[1] = y;
    v[2] = width;
    v[3] = height;
    if (rasterSink != nullptr)
        rasterSink->setViewport(x, y, width, height);
}

}  // namespace fixedgl
