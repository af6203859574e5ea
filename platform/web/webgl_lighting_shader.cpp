// webgl_lighting_shader.cpp -- GL 1.x transform and lighting as a vertex shader written for one
// shape of lighting (as Mesa writes its fixed-function programs): each light's code only what
// its kind needs (positional or not, spot with cut-off and exponent, attenuation), no loop and
// no indexing by variables, which a software rasteriser runs far faster; for triangles, lines
// and points, or for wide lines' quads; and the key and uniform vectors that shape is drawn with.
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

// One vertex transformed and lit: its clip position, colour and fog coordinate.
static std::string shadeFunction(std::uint64_t key) {
    const int count = static_cast<int>((key >> kCountShift) & 15);
    std::string code =
        "void shade(vec3 position, vec4 vertexColour, vec3 vertexNormal,\n"
        "           out vec4 clip, out vec4 lit, out float fog) {\n"
        "    vec4 p = vec4(position, 1.0);\n"
        "    clip = mat4(transform[0], transform[1], transform[2], transform[3]) * p;\n"
        "    vec4 eye = mat4(transform[4], transform[5], transform[6], transform[7]) * p;\n"
        "    fog = abs(eye.z / eye.w);\n"
        "    vec4 colour = transform[8].w != 0.0 ? transform[11] : vertexColour;\n";
    if (!(key & kLit))
        return code + "    lit = clamp(colour, 0.0, 1.0);\n}\n";
    code += "    vec3 normal = transform[9].w != 0.0 ? transform[12].xyz : vertexNormal;\n";
    code += "    vec3 n = mat3(transform[8].xyz, transform[9].xyz, transform[10].xyz) * normal;\n";
    code += "    vec3 point = eye.xyz / eye.w;\n";
    code +=
        std::string("    vec4 ambient = ") + (key & kTrackAmbient ? "colour" : vector(1)) + ";\n";
    code +=
        std::string("    vec4 diffuse = ") + (key & kTrackDiffuse ? "colour" : vector(2)) + ";\n";
    code += "    vec3 sum = ambient.rgb * " + vector(0) + ".rgb;\n";
    for (int n = 0; n < count; ++n)
        code += lightCode(lightBits(key, n), 3 + 5 * n);
    return code + "    lit = vec4(clamp(sum, 0.0, 1.0), clamp(diffuse.a, 0.0, 1.0));\n}\n";
}

// A wide line's quad, one instance a line: both ends lit, the line cut at the
// near plane, then this corner moved across the line's minor axis by the
// width in window space (as the processor does it, fixed_vertices.cpp).
static const char kWideLineMain[] = R"(
void main() {
    vec4 a, b, colourA, colourB;
    float fogA, fogB;
    shade(position, vertexColour, vertexNormal, a, colourA, fogA);
    shade(otherPosition, otherColour, otherNormal, b, colourB, fogB);
    float da = a.z + a.w;
    float db = b.z + b.w;
    if (da < 0.0 && db < 0.0) {
        gl_Position = vec4(0.0, 0.0, 2.0, 1.0);
        vColour = colourA;
        vFog = fogA;
        return;
    }
    if (da < 0.0) {
        float t = da / (da - db);
        a += t * (b - a);
        colourA += t * (colourB - colourA);
        fogA += t * (fogB - fogA);
    } else if (db < 0.0) {
        float t = db / (db - da);
        b += t * (a - b);
        colourB += t * (colourA - colourB);
        fogB += t * (fogA - fogB);
    }
    vec2 windowA = (a.xy / a.w + 1.0) * 0.5 * line.xy;
    vec2 windowB = (b.xy / b.w + 1.0) * 0.5 * line.xy;
    bool xMajor = abs(windowB.x - windowA.x) >= abs(windowB.y - windowA.y);
    vec2 across = xMajor ? vec2(0.0, line.z / line.y) : vec2(line.z / line.x, 0.0);
    vec4 end = corner.x != 0.0 ? b : a;
    gl_Position = vec4(end.xy + corner.y * across * end.w, end.zw);
    vColour = corner.x != 0.0 ? colourB : colourA;
    vFog = corner.x != 0.0 ? fogB : fogA;
}
)";

std::string shadedVertexShader(std::uint64_t key) {
    const bool wideLines = (key & kWideLines) != 0;
    key &= ~kWideLines;
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
    if (wideLines) {
        source +=
            "attribute vec3 otherPosition;\n"
            "attribute vec4 otherColour;\n"
            "attribute vec3 otherNormal;\n"
            "attribute vec2 corner;  // the end (0 or 1), the side (-1 or 1)\n"
            "uniform vec3 line;  // the viewport's width and height, the line's width\n";
    }
    source += shadeFunction(key);
    if (wideLines)
        return source + kWideLineMain;
    return source +
           "void main() {\n"
           "    vec4 clip;\n"
           "    shade(position, vertexColour, vertexNormal, clip, vColour, vFog);\n"
           "    gl_Position = clip;\n"
           "    gl_PointSize = 1.0;\n"
           "}\n";
}

}  // namespace web
