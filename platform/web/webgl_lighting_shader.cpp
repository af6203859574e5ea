// webgl_lighting_shader.cpp -- GL 1.x transform and lighting as a vertex shader written for one
// shape of lighting (as Mesa writes its fixed-function programs): each light's code only what
// its kind needs (positional or not, spot with cut-off and exponent, attenuation), no loop and
// no indexing by variables, which a software rasteriser runs far faster; and the key and
// uniform vectors that shape is drawn with.
#include <cstring>
#include <string>

#include "platform/web/webgl_programs.h"

namespace web {

using fixedgl::LightingState;
using fixedgl::ShaderLight;

// The key: bit 0 lit, 1 and 2 ambient and diffuse tracked, 3-6 the light
// count, then five bits a light.
constexpr int kLightBits = 5;
constexpr std::uint64_t kLit = 1, kTrackAmbient = 2, kTrackDiffuse = 4;
constexpr int kCountShift = 3;
constexpr int kFirstLightShift = 8;
// A light's bits.
constexpr std::uint64_t kPositional = 1;
constexpr std::uint64_t kSpot = 2;
constexpr std::uint64_t kAttenuated = 4;  // positional, attenuation other than (1, 0, 0)
constexpr std::uint64_t kExponent = 8;    // spot with an exponent
constexpr std::uint64_t kAmbient = 16;    // an ambient part that varies (spot or attenuated)

static std::uint64_t lightBits(std::uint64_t key, int n) {
    return (key >> (kFirstLightShift + kLightBits * n)) & ((1u << kLightBits) - 1);
}

static bool anyColour(const float* rgb) {
    return rgb[0] != 0.0f || rgb[1] != 0.0f || rgb[2] != 0.0f;
}

void packLighting(const LightingState& lighting, LightingUniforms& out) {
    std::memset(&out, 0, sizeof out);
    if (!lighting.lighting)
        return;
    out.key = kLit | (lighting.trackAmbient ? kTrackAmbient : 0) |
              (lighting.trackDiffuse ? kTrackDiffuse : 0);
    float* v = out.vectors;
    std::memcpy(v, lighting.modelAmbient, 3 * sizeof(float));
    std::memcpy(v + 4, lighting.materialAmbient, 4 * sizeof(float));
    std::memcpy(v + 8, lighting.materialDiffuse, 4 * sizeof(float));
    int count = 0;
    for (int n = 0; n < lighting.lightCount; ++n) {
        const ShaderLight& light = lighting.lights[n];
        const bool positional = light.position[3] != 0.0f;
        const bool spot = light.spotCosCutoff >= -1.0f;
        const float* a = light.attenuation;
        const bool attenuated = positional && (a[0] != 1.0f || a[1] != 0.0f || a[2] != 0.0f);
        float ambient[3] = {light.ambient[0], light.ambient[1], light.ambient[2]};
        if (!spot && !attenuated) {
            for (int i = 0; i < 3; ++i) {
                v[i] += ambient[i];
                ambient[i] = 0.0f;
            }
        }
        if (!anyColour(ambient) && !anyColour(light.diffuse))
            continue;
        std::uint64_t bits = (positional ? kPositional : 0) | (spot ? kSpot : 0) |
                             (attenuated ? kAttenuated : 0) |
                             (spot && light.spotExponent != 0.0f ? kExponent : 0) |
                             (anyColour(ambient) ? kAmbient : 0);
        out.key |= bits << (kFirstLightShift + kLightBits * count);
        float* l = v + (3 + 5 * count) * 4;
        std::memcpy(l, ambient, sizeof ambient);
        l[3] = light.spotCosCutoff;
        std::memcpy(l + 4, light.diffuse, 3 * sizeof(float));
        l[7] = light.spotExponent;
        std::memcpy(l + 8, light.position, 4 * sizeof(float));
        std::memcpy(l + 12, light.spotDirection, 3 * sizeof(float));
        std::memcpy(l + 16, light.attenuation, 3 * sizeof(float));
        count += 1;
    }
    out.key |= static_cast<std::uint64_t>(count) << kCountShift;
    out.vectorCount = 3 + 5 * count;
}

// lighting[n] as GLSL.
static std::string vector(int n) {
    return "lighting[" + std::to_string(n) + "]";
}

// One light's part of the sum, its vectors from `base` on.
static std::string lightCode(std::uint64_t bits, int base) {
    const std::string colours = vector(base), diffuse = vector(base + 1),
                      position = vector(base + 2), spot = vector(base + 3),
                      attenuations = vector(base + 4);
    std::string code = "    {\n";
    if (bits & kPositional)
        code += "        vec3 toLight = " + position + ".xyz / " + position + ".w - point;\n";
    else
        code += "        vec3 toLight = " + position + ".xyz;\n";
    code += "        float toLightLength = length(toLight);\n";
    code += "        float attenuation = 1.0;\n";
    if (bits & kAttenuated) {
        code += "        attenuation = 1.0 / (" + attenuations + ".x + " + attenuations +
                ".y * toLightLength + " + attenuations + ".z * toLightLength * toLightLength);\n";
    }
    code += "        toLight /= max(toLightLength, 1e-30);\n";
    if (bits & kSpot) {
        code += "        float spotDot = -dot(toLight, " + spot + ".xyz);\n";
        code += "        attenuation *= step(" + colours + ".w, spotDot)";
        if (bits & kExponent)
            code += " * pow(max(spotDot, 0.0), " + diffuse + ".w)";
        code += ";\n";
    }
    code += "        sum += attenuation * (";
    if (bits & kAmbient)
        code += colours + ".rgb * ambient.rgb + ";
    code += "max(dot(n, toLight), 0.0) * " + diffuse + ".rgb * diffuse.rgb);\n    }\n";
    return code;
}

std::string shadedVertexShader(std::uint64_t key) {
    const int count = static_cast<int>((key >> kCountShift) & 15);
    std::string source =
        "attribute vec3 position;\n"
        "attribute vec4 vertexColour;\n"
        "attribute vec3 vertexNormal;\n"
        "uniform vec4 transform[13];\n"
        "varying vec4 vColour;\n"
        "varying float vFog;\n";
    if (key & kLit)
        source += "uniform vec4 lighting[" + std::to_string(3 + 5 * count) + "];\n";
    source +=
        "void main() {\n"
        "    vec4 p = vec4(position, 1.0);\n"
        "    gl_Position = mat4(transform[0], transform[1], transform[2], transform[3]) * p;\n"
        "    vec4 eye = mat4(transform[4], transform[5], transform[6], transform[7]) * p;\n"
        "    vFog = abs(eye.z / eye.w);\n"
        "    gl_PointSize = 1.0;\n"
        "    vec4 colour = transform[8].w != 0.0 ? transform[11] : vertexColour;\n";
    if (!(key & kLit))
        return source + "    vColour = clamp(colour, 0.0, 1.0);\n}\n";
    source += "    vec3 normal = transform[9].w != 0.0 ? transform[12].xyz : vertexNormal;\n";
    source +=
        "    vec3 n = mat3(transform[8].xyz, transform[9].xyz, transform[10].xyz) * normal;\n";
    source += "    vec3 point = eye.xyz / eye.w;\n";
    source +=
        std::string("    vec4 ambient = ") + (key & kTrackAmbient ? "colour" : vector(1)) + ";\n";
    source +=
        std::string("    vec4 diffuse = ") + (key & kTrackDiffuse ? "colour" : vector(2)) + ";\n";
    source += "    vec3 sum = ambient.rgb * " + vector(0) + ".rgb;\n";
    for (int n = 0; n < count; ++n)
        source += lightCode(lightBits(key, n), 3 + 5 * n);
    return source + "    vColour = vec4(clamp(sum, 0.0, 1.0), clamp(diffuse.a, 0.0, 1.0));\n}\n";
}

}  // namespace web
