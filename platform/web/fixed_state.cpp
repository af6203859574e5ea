// fixed_state.cpp -- the fixed-function context record: its reset, its error flag, its
// switches and the parameters of lights, fog, depth, lines and clearing.
#include <GL/gl.h>

#include <cstring>

#include "platform/web/fixed_context.h"
#include "platform/web/fixed_gl.h"

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

void resetContext() {
    Context& c = context;
    c.modelView.assign(1, kIdentity);
    c.projection.assign(1, kIdentity);
    c.matrixMode = GL_MODELVIEW;
    c.transformDirty = true;
    c.transformSerial += 1;
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
    lightingChanged();
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
    c.primitiveMode = kNoBlock;
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

bool insideBegin() {
    if (context.primitiveMode == kNoBlock)
        return false;
    setError(GL_INVALID_OPERATION);
    return true;
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
        lightingChanged();
        return true;
    }
    switch (cap) {
        case GL_LIGHTING:
            c.lighting = on;
            lightingChanged();
            return true;
        case GL_COLOR_MATERIAL:
            c.colourMaterial = on;
            if (on)
                setColour(c.colour[0], c.colour[1], c.colour[2]);
            lightingChanged();
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
    lightingChanged();
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
    lightingChanged();
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
    lightingChanged();
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
