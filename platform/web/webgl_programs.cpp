// webgl_programs.cpp -- the programs: compiled and linked for their keys, the clip program's
// shaders, GL 1.x fog per fragment for all, and their uniforms.
#include "platform/web/webgl_programs.h"

#include <cstring>

namespace web {

using fixedgl::RasterState;
using fixedgl::TransformState;

// GL 1.x fog modes as the layer passes them on.
constexpr unsigned kFogLinear = 0x2601;
constexpr unsigned kFogExp = 0x0800;
constexpr unsigned kFogExp2 = 0x0801;

// clang-format off
static const char kClipVertexShader[] = R"(
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
#ifdef GL_ES
precision highp float;
#endif
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
// clang-format on

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

// A shader handed over to compile, its status not asked (0: none made).
static GLuint beginShader(GLenum kind, const char* source) {
    const GLuint shader = glCreateShader(kind);
    if (shader != 0) {
        glShaderSource(shader, 1, &source, nullptr);
        glCompileShader(shader);
    }
    return shader;
}

// The two shaders attached, the attributes at their fixed places (the last
// one is the normal, or what stands in for it), and the link asked for.
static void attachAndLink(GLuint program, GLuint vertex, GLuint fragment,
                          const char* colourAttribute, const char* lastAttribute) {
    glAttachShader(program, vertex);
    glAttachShader(program, fragment);
    glBindAttribLocation(program, kPositionAttribute, "position");
    glBindAttribLocation(program, kColourAttribute, colourAttribute);
    glBindAttribLocation(program, kNormalAttribute, lastAttribute);
    glBindAttribLocation(program, kOtherPositionAttribute, "otherPosition");
    glBindAttribLocation(program, kOtherColourAttribute, "otherColour");
    glBindAttribLocation(program, kOtherNormalAttribute, "otherNormal");
    glBindAttribLocation(program, kCornerAttribute, "corner");
    glLinkProgram(program);
}

// The program handed over to link, its status not asked, or 0. The shaders
// go with it.
static GLuint beginLink(const char* vertexSource, const char* colourAttribute,
                        const char* lastAttribute) {
    const GLuint vertex = beginShader(GL_VERTEX_SHADER, vertexSource);
    const GLuint fragment = beginShader(GL_FRAGMENT_SHADER, kFragmentShader);
    const GLuint program = vertex != 0 && fragment != 0 ? glCreateProgram() : 0;
    if (program != 0) {
        attachAndLink(program, vertex, fragment, colourAttribute, lastAttribute);
    }
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    return program;
}

void beginProgram(std::uint64_t key, Program& program) {
    program = Program{};
    program.key = key;
    if (key == kClipProgram) {
        program.name = beginLink(kClipVertexShader, "colour", "fogCoordinate");
    } else {
        const std::string source = shadedVertexShader(key);
        program.name = beginLink(source.c_str(), "vertexColour", "vertexNormal");
    }
}

bool programLinked(const Program& program, bool browserSays) {
    constexpr GLenum kCompletionStatus = 0x91B1;  // COMPLETION_STATUS_KHR
    if (!browserSays || program.name == 0)
        return true;
    GLint done = GL_TRUE;
    glGetProgramiv(program.name, kCompletionStatus, &done);
    return done == GL_TRUE;
}

static void findUniforms(Program& program) {
    program.transform = glGetUniformLocation(program.name, "transform");
    program.lighting = glGetUniformLocation(program.name, "lighting");
    program.line = glGetUniformLocation(program.name, "line");
    program.fogMode = glGetUniformLocation(program.name, "fogMode");
    program.fogParameters = glGetUniformLocation(program.name, "fogParameters");
    program.fogColour = glGetUniformLocation(program.name, "fogColour");
}

bool finishProgram(Program& program, std::string& error) {
    if (program.name == 0) {
        error = "no program can be made";
        return false;
    }
    GLint linked = GL_FALSE;
    glGetProgramiv(program.name, GL_LINK_STATUS, &linked);
    if (linked != GL_TRUE) {
        char log[512] = "";
        glGetProgramInfoLog(program.name, sizeof log, nullptr, log);
        error = std::string("the shaders do not link: ") + log;
        glDeleteProgram(program.name);
        program.name = 0;
        return false;
    }
    findUniforms(program);
    return true;
}

// The linked program, or 0 with the reason in `error`. Whatever fails, the
// shaders and the program made so far are deleted: a page may try again.
static GLuint linkProgram(const char* vertexSource, const char* colourAttribute,
                          const char* lastAttribute, std::string& error) {
    const GLuint vertex = compileShader(GL_VERTEX_SHADER, vertexSource, error);
    if (vertex == 0)
        return 0;
    const GLuint fragment = compileShader(GL_FRAGMENT_SHADER, kFragmentShader, error);
    if (fragment == 0) {
        glDeleteShader(vertex);
        return 0;
    }
    const GLuint program = glCreateProgram();
    if (program != 0) {
        attachAndLink(program, vertex, fragment, colourAttribute, lastAttribute);
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

bool makeProgram(std::uint64_t key, Program& program, std::string& error) {
    program = Program{};
    program.key = key;
    if (key == kClipProgram) {
        program.name = linkProgram(kClipVertexShader, "colour", "fogCoordinate", error);
    } else {
        const std::string source = shadedVertexShader(key);
        program.name = linkProgram(source.c_str(), "vertexColour", "vertexNormal", error);
    }
    if (program.name == 0)
        return false;
    findUniforms(program);
    return true;
}

void packTransform(const TransformState& transform, const float* colour, const float* normal,
                   float* vectors) {
    std::memset(vectors, 0, kTransformVectors * 4 * sizeof(float));
    std::memcpy(vectors, transform.mvp, sizeof transform.mvp);
    std::memcpy(vectors + 16, transform.modelView, sizeof transform.modelView);
    for (int column = 0; column < 3; ++column)
        std::memcpy(vectors + 32 + 4 * column, transform.normalMatrix + 3 * column,
                    3 * sizeof(float));
    if (colour != nullptr) {
        vectors[35] = 1.0f;
        std::memcpy(vectors + 44, colour, 4 * sizeof(float));
    }
    if (normal != nullptr) {
        vectors[39] = 1.0f;
        std::memcpy(vectors + 48, normal, 3 * sizeof(float));
    }
}

void setTransformUniform(const Program& program, const float* vectors) {
    glUniform4fv(program.transform, kTransformVectors, vectors);
}

void setLightingUniform(const Program& program, const LightingUniforms& lighting) {
    if (program.lighting != -1)
        glUniform4fv(program.lighting, lighting.vectorCount, lighting.vectors);
}

void setFogUniforms(const Program& program, const RasterState& state) {
    const int mode = state.fogMode == kFogLinear ? 1
                     : state.fogMode == kFogExp  ? 2
                     : state.fogMode == kFogExp2 ? 3
                                                 : 0;
    glUniform1i(program.fogMode, mode);
    glUniform3f(program.fogParameters, state.fogStart, state.fogEnd, state.fogDensity);
    glUniform3f(program.fogColour, state.fogColour[0], state.fogColour[1], state.fogColour[2]);
}

void setLineUniform(const Program& program, int width, int viewportWidth, int viewportHeight) {
    glUniform3f(program.line, static_cast<float>(viewportWidth), static_cast<float>(viewportHeight),
                static_cast<float>(width));
}

}  // namespace web
