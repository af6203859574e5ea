// webgl_raster.cpp -- WebGL 1 rasterising of what the fixed-function layer hands on.
#include "platform/web/webgl_raster.h"

#include <GLES2/gl2.h>

#include <cstddef>
#include <cstdio>
#include <vector>

namespace web {

using fixedgl::Primitive;
using fixedgl::RasterState;
using fixedgl::RasterVertex;

// GL 1.x fog modes as the layer passes them on.
constexpr unsigned kFogLinear = 0x2601;
constexpr unsigned kFogExp = 0x0800;
constexpr unsigned kFogExp2 = 0x0801;

static const char kVertexShader[] = R"(
attribute vec4 position;
attribute vec4 colour;
attribute float fogCoordinate;
varying vec4 vColour;
varying float vFog;
void main() {
    gl_Position = position;
    gl_PointSize = 1.0;
    vColour = colour;
    vFog = fogCoordinate;
}
)";

// GL 1.x fog, per fragment: f from the interpolated eye distance, clamped,
// then the colour moved towards the fog colour by 1 - f.
static const char kFragmentShader[] = R"(
precision highp float;
uniform int fogMode;  // 0 off, 1 linear, 2 exp, 3 exp2
uniform vec3 fogParameters;  // start, end, density
uniform vec3 fogColour;
varying vec4 vColour;
varying float vFog;
void main() {
    vec4 colour = vColour;
    if (fogMode != 0) {
        float f;
        if (fogMode == 1)
            f = (fogParameters.y - vFog) / (fogParameters.y - fogParameters.x);
        else if (fogMode == 2)
            f = exp(-fogParameters.z * vFog);
        else
            f = exp(-(fogParameters.z * vFog) * (fogParameters.z * vFog));
        colour.rgb = mix(fogColour, colour.rgb, clamp(f, 0.0, 1.0));
    }
    gl_FragColor = colour;
}
)";

// A run of primitives of one kind under one state, in the frame's vertices.
struct Segment {
    Primitive primitive;
    unsigned serial;
    RasterState state;
    std::size_t first;
    std::size_t count;
};

class WebglRaster : public fixedgl::RasterSink {
  public:
    GLuint program = 0;
    GLuint buffer = 0;
    GLint fogMode = -1, fogParameters = -1, fogColour = -1;
    std::vector<RasterVertex> vertices;
    std::vector<Segment> segments;

    void setViewport(int x, int y, int width, int height) override {
        flush();
        glViewport(x, y, width, height);
    }

    void clear(unsigned mask, const float colour[4], double depth) override {
        flush();
        glClearColor(colour[0], colour[1], colour[2], colour[3]);
        glClearDepthf(static_cast<float>(depth));
        // Clearing writes the depth buffer only with depth writes on, as they always are.
        glClear(mask & (GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT));
    }

    RasterVertex* append(Primitive primitive, int count, const RasterState& state,
                         unsigned serial) override {
        if (segments.empty() || segments.back().primitive != primitive ||
            segments.back().serial != serial)
            segments.push_back(Segment{primitive, serial, state, vertices.size(), 0});
        segments.back().count += static_cast<std::size_t>(count);
        vertices.resize(vertices.size() + static_cast<std::size_t>(count));
        return vertices.data() + vertices.size() - count;
    }

    void applyState(const RasterState& state) {
        if (state.depthTest)
            glEnable(GL_DEPTH_TEST);
        else
            glDisable(GL_DEPTH_TEST);
        glDepthFunc(state.depthFunc);
        const int mode = state.fogMode == kFogLinear ? 1
                         : state.fogMode == kFogExp  ? 2
                         : state.fogMode == kFogExp2 ? 3
                                                     : 0;
        glUniform1i(fogMode, mode);
        glUniform3f(fogParameters, state.fogStart, state.fogEnd, state.fogDensity);
        glUniform3f(fogColour, state.fogColour[0], state.fogColour[1], state.fogColour[2]);
    }

    void flush() {
        if (vertices.empty())
            return;
        glBindBuffer(GL_ARRAY_BUFFER, buffer);
        glBufferData(GL_ARRAY_BUFFER,
                     static_cast<GLsizeiptr>(vertices.size() * sizeof(RasterVertex)),
                     vertices.data(), GL_STREAM_DRAW);
        unsigned applied = 0;
        bool anyApplied = false;
        for (const Segment& segment : segments) {
            if (!anyApplied || segment.serial != applied) {
                applyState(segment.state);
                applied = segment.serial;
                anyApplied = true;
            }
            const GLenum mode = segment.primitive == Primitive::triangles ? GL_TRIANGLES
                                : segment.primitive == Primitive::lines   ? GL_LINES
                                                                          : GL_POINTS;
            glDrawArrays(mode, static_cast<GLint>(segment.first),
                         static_cast<GLsizei>(segment.count));
        }
        vertices.clear();
        segments.clear();
    }
};

static WebglRaster raster;

// A compiled shader, or 0 with the reason in `error` (and nothing left behind).
static GLuint compileShader(GLenum kind, const char* source, std::string& error) {
    const GLuint shader = glCreateShader(kind);
    if (shader == 0) {
        error = "no shader can be made";
        return 0;
    }
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint done = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &done);
    if (done != GL_TRUE) {
        char log[512] = "";
        glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        error = std::string("a shader does not compile: ") + log;
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}

// The linked program, or 0 with the reason in `error`. Whatever fails, the
// shaders and the program made so far are deleted: a page may try again.
static GLuint linkProgram(std::string& error) {
    const GLuint vertex = compileShader(GL_VERTEX_SHADER, kVertexShader, error);
    if (vertex == 0)
        return 0;
    const GLuint fragment = compileShader(GL_FRAGMENT_SHADER, kFragmentShader, error);
    if (fragment == 0) {
        glDeleteShader(vertex);
        return 0;
    }
    const GLuint program = glCreateProgram();
    if (program != 0) {
        glAttachShader(program, vertex);
        glAttachShader(program, fragment);
        glBindAttribLocation(program, 0, "position");
        glBindAttribLocation(program, 1, "colour");
        glBindAttribLocation(program, 2, "fogCoordinate");
        glLinkProgram(program);
    }
    // Attached, the shaders are only marked: they go with the program.
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    if (program == 0) {
        error = "no program can be made";
        return 0;
    }
    GLint linked = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    if (linked != GL_TRUE) {
        char log[512] = "";
        glGetProgramInfoLog(program, sizeof log, nullptr, log);
        error = std::string("the shaders do not link: ") + log;
        glDeleteProgram(program);
        return 0;
    }
    return program;
}

bool startWebglRaster(std::string& error) {
    raster.program = linkProgram(error);
    if (raster.program == 0)
        return false;
    glUseProgram(raster.program);
    raster.fogMode = glGetUniformLocation(raster.program, "fogMode");
    raster.fogParameters = glGetUniformLocation(raster.program, "fogParameters");
    raster.fogColour = glGetUniformLocation(raster.program, "fogColour");

    glGenBuffers(1, &raster.buffer);
    glBindBuffer(GL_ARRAY_BUFFER, raster.buffer);
    const GLsizei stride = sizeof(RasterVertex);
    glEnableVertexAttribArray(0);
    glEnableVertexAttribArray(1);
    glEnableVertexAttribArray(2);
    glVertexAttribPointer(0, 4, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(offsetof(RasterVertex, x)));
    glVertexAttribPointer(1, 4, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(offsetof(RasterVertex, r)));
    glVertexAttribPointer(2, 1, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(offsetof(RasterVertex, fog)));
    glDepthMask(GL_TRUE);
    return true;
}

fixedgl::RasterSink& webglRaster() {
    return raster;
}

void flushWebglRaster() {
    raster.flush();
}

std::string webglErrors() {
    std::string names;
    for (int n = 0; n < 8; ++n) {
        const GLenum error = glGetError();
        if (error == GL_NO_ERROR)
            break;
        char text[32];
        std::snprintf(text, sizeof text, "%s0x%04X", names.empty() ? "" : ", ", error);
        names += text;
    }
    return names;
}

void finishWebglPicture() {
    unsigned char pixel[4];
    glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
}

}  // namespace web
