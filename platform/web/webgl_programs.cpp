// webgl_programs.cpp -- the shaders: GL 1.x transform and lighting per vertex (the enabled
// lights with spot cut-off and exponent, attenuation, colour material), fog per fragment.
#include "platform/web/webgl_programs.h"

#include <cstring>

namespace web {

using fixedgl::LightingState;
using fixedgl::RasterState;
using fixedgl::ShaderLight;
using fixedgl::TransformState;

// GL 1.x fog modes as the layer passes them on.
constexpr unsigned kFogLinear = 0x2601;
constexpr unsigned kFogExp = 0x0800;
constexpr unsigned kFogExp2 = 0x0801;

// Uniform vectors: the transform is projection x model-view, the model-view
// matrix and the normals' matrix, by columns; the lighting is four vectors
// (model ambient; material ambient; material diffuse; lighting on, ambient
// tracked, diffuse tracked, light count) and five a light (ambient and spot
// cut-off's cosine, -2 for none; diffuse and spot exponent; position; spot
// direction; attenuation).
constexpr int kTransformVectors = 11;
constexpr int kLightingVectors = 4;
constexpr int kLightVectors = 5;

// clang-format off
static const char kShadedVertexShader[] = R"(
attribute vec3 position;
attribute vec4 colour;
attribute vec3 normal;
uniform vec4 transform[11];
uniform vec4 lighting[44];
varying vec4 vColour;
varying float vFog;
void main() {
    vec4 p = vec4(position, 1.0);
    gl_Position = mat4(transform[0], transform[1], transform[2], transform[3]) * p;
    vec4 eye = mat4(transform[4], transform[5], transform[6], transform[7]) * p;
    vFog = abs(eye.z / eye.w);
    gl_PointSize = 1.0;
    vec4 settings = lighting[3];
    if (settings.x == 0.0) {
        vColour = clamp(colour, 0.0, 1.0);
        return;
    }
    vec3 n = mat3(transform[8].xyz, transform[9].xyz, transform[10].xyz) * normal;
    vec3 point = eye.xyz / eye.w;
    vec4 ambient = settings.y != 0.0 ? colour : lighting[1];
    vec4 diffuse = settings.z != 0.0 ? colour : lighting[2];
    vec3 sum = ambient.rgb * lighting[0].rgb;
    for (int i = 0; i < 8; ++i) {
        if (float(i) >= settings.w)
            break;
        vec4 lightAmbient = lighting[4 + 5 * i];
        vec4 lightDiffuse = lighting[5 + 5 * i];
        vec4 lightPosition = lighting[6 + 5 * i];
        vec3 spotDirection = lighting[7 + 5 * i].xyz;
        vec3 attenuations = lighting[8 + 5 * i].xyz;
        vec3 toLight = lightPosition.xyz;
        float attenuation = 1.0;
        if (lightPosition.w != 0.0) {
            toLight = lightPosition.xyz / lightPosition.w - point;
            float distance = length(toLight);
            attenuation = 1.0 / (attenuations.x + attenuations.y * distance +
                                 attenuations.z * distance * distance);
        }
        float toLightLength = length(toLight);
        if (toLightLength > 0.0)
            toLight /= toLightLength;
        if (lightAmbient.w >= -1.0) {
            float spotDot = -dot(toLight, spotDirection);
            if (spotDot < lightAmbient.w)
                continue;
            if (lightDiffuse.w != 0.0)
                attenuation *= pow(spotDot, lightDiffuse.w);
        }
        float diffuseDot = max(dot(n, toLight), 0.0);
        sum += attenuation * (lightAmbient.rgb * ambient.rgb +
                              diffuseDot * lightDiffuse.rgb * diffuse.rgb);
    }
    vColour = vec4(clamp(sum, 0.0, 1.0), clamp(diffuse.a, 0.0, 1.0));
}
)";

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

// The linked program, or 0 with the reason in `error`. Whatever fails, the
// shaders and the program made so far are deleted: a page may try again.
static GLuint linkProgram(const char* vertexSource, const char* lastAttribute, std::string& error) {
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
        glAttachShader(program, vertex);
        glAttachShader(program, fragment);
        glBindAttribLocation(program, kPositionAttribute, "position");
        glBindAttribLocation(program, kColourAttribute, "colour");
        glBindAttribLocation(program, kNormalAttribute, lastAttribute);
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

static void findUniforms(Program& program) {
    program.transform = glGetUniformLocation(program.name, "transform");
    program.lighting = glGetUniformLocation(program.name, "lighting");
    program.fogMode = glGetUniformLocation(program.name, "fogMode");
    program.fogParameters = glGetUniformLocation(program.name, "fogParameters");
    program.fogColour = glGetUniformLocation(program.name, "fogColour");
}

bool makePrograms(Program& shaded, Program& clip, std::string& error) {
    shaded = Program{};
    clip = Program{};
    shaded.name = linkProgram(kShadedVertexShader, "normal", error);
    if (shaded.name == 0)
        return false;
    clip.name = linkProgram(kClipVertexShader, "fogCoordinate", error);
    if (clip.name == 0) {
        glDeleteProgram(shaded.name);
        shaded.name = 0;
        return false;
    }
    findUniforms(shaded);
    findUniforms(clip);
    return true;
}

void setTransformUniform(const Program& program, const TransformState& transform) {
    float vectors[kTransformVectors * 4] = {};
    std::memcpy(vectors, transform.mvp, sizeof transform.mvp);
    std::memcpy(vectors + 16, transform.modelView, sizeof transform.modelView);
    for (int column = 0; column < 3; ++column)
        std::memcpy(vectors + 32 + 4 * column, transform.normalMatrix + 3 * column,
                    3 * sizeof(float));
    glUniform4fv(program.transform, kTransformVectors, vectors);
}

void setLightingUniform(const Program& program, const LightingState& lighting) {
    float vectors[(kLightingVectors + kLightVectors * fixedgl::kMaxLights) * 4] = {};
    std::memcpy(vectors, lighting.modelAmbient, sizeof lighting.modelAmbient);
    std::memcpy(vectors + 4, lighting.materialAmbient, sizeof lighting.materialAmbient);
    std::memcpy(vectors + 8, lighting.materialDiffuse, sizeof lighting.materialDiffuse);
    vectors[12] = lighting.lighting ? 1.0f : 0.0f;
    vectors[13] = lighting.trackAmbient ? 1.0f : 0.0f;
    vectors[14] = lighting.trackDiffuse ? 1.0f : 0.0f;
    vectors[15] = static_cast<float>(lighting.lightCount);
    for (int n = 0; n < lighting.lightCount; ++n) {
        const ShaderLight& light = lighting.lights[n];
        float* v = vectors + (kLightingVectors + kLightVectors * n) * 4;
        std::memcpy(v, light.ambient, sizeof light.ambient);
        v[3] = light.spotCosCutoff;
        std::memcpy(v + 4, light.diffuse, sizeof light.diffuse);
        v[7] = light.spotExponent;
        std::memcpy(v + 8, light.position, sizeof light.position);
        std::memcpy(v + 12, light.spotDirection, sizeof light.spotDirection);
        std::memcpy(v + 16, light.attenuation, sizeof light.attenuation);
    }
    // Unlit, only the switch is read.
    const int count = lighting.lighting ? kLightingVectors + kLightVectors * lighting.lightCount
                                        : kLightingVectors;
    glUniform4fv(program.lighting, count, vectors);
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

}  // namespace web
