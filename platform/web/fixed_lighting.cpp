// fixed_lighting.cpp -- GL 1.x lighting as the vertex shader takes it (the enabled lights in eye
// coordinates, colour material), the state a draw is made under, and the same transform and
// lighting on the processor for the few vertices whose window position the layer needs.
#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/web/fixed_context.h"
#include "platform/web/fixed_gl.h"

namespace fixedgl {

void lightingChanged() {
    context.lightingDirty = true;
    context.lightingSerial += 1;
}

static float dot3(const float* a, const float* b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

static bool tracksAmbient() {
    const GLenum mode = context.colourMaterialMode;
    return context.colourMaterial && (mode == GL_AMBIENT || mode == GL_AMBIENT_AND_DIFFUSE);
}

static bool tracksDiffuse() {
    const GLenum mode = context.colourMaterialMode;
    return context.colourMaterial && (mode == GL_DIFFUSE || mode == GL_AMBIENT_AND_DIFFUSE);
}

// The cosine the spot's cut-off is compared with, rounded as the processor's
// lighting rounds it.
static float spotCosCutoff(const Light& light) {
    return static_cast<float>(std::cos(static_cast<double>(light.spotCutoff) * M_PI / 180.0));
}

static const LightingState& lightingState() {
    LightingState& s = context.lightingState;
    if (!context.lightingDirty)
        return s;
    const Context& c = context;
    s.lighting = c.lighting;
    s.trackAmbient = tracksAmbient();
    s.trackDiffuse = tracksDiffuse();
    std::memcpy(s.modelAmbient, c.modelAmbient, sizeof s.modelAmbient);
    std::memcpy(s.materialAmbient, c.materialAmbient, sizeof s.materialAmbient);
    std::memcpy(s.materialDiffuse, c.materialDiffuse, sizeof s.materialDiffuse);
    s.lightCount = 0;
    for (const Light& light : c.lights) {
        if (!light.enabled)
            continue;
        ShaderLight& l = s.lights[s.lightCount++];
        std::memcpy(l.ambient, light.ambient, sizeof l.ambient);
        std::memcpy(l.diffuse, light.diffuse, sizeof l.diffuse);
        std::memcpy(l.position, light.position, sizeof l.position);
        const float length = std::sqrt(dot3(light.spotDirection, light.spotDirection));
        for (int i = 0; i < 3; ++i)
            l.spotDirection[i] = length > 0.0f ? light.spotDirection[i] / length : 0.0f;
        l.spotCosCutoff = light.spotCutoff != 180.0f ? spotCosCutoff(light) : -2.0f;
        l.spotExponent = light.spotExponent;
        std::memcpy(l.attenuation, light.attenuation, sizeof l.attenuation);
    }
    context.lightingDirty = false;
    return s;
}

DrawState drawState() {
    const TransformState& transform = transformState();
    const LightingState& lighting = lightingState();
    return DrawState{&transform,      context.transformSerial, &lighting, context.lightingSerial,
                     &context.raster, context.rasterSerial};
}

CurrentValues currentValues(bool useColour, bool useNormal) {
    CurrentValues current;
    current.useColour = useColour;
    current.useNormal = useNormal;
    std::memcpy(current.colour, context.colour, sizeof current.colour);
    std::memcpy(current.normal, context.normal, sizeof current.normal);
    return current;
}

// ---- On the processor ----

// GL 1.x lighting of one vertex at eye position `eye`, from the lighting the
// shader takes (the enabled lights, spot cosines made once).
static void lightVertex(const float* eye, const ShadedVertex& vertex, float* out) {
    const LightingState& s = lightingState();
    const float colour[4] = {vertex.r, vertex.g, vertex.b, vertex.a};
    const float* ambient = s.trackAmbient ? colour : s.materialAmbient;
    const float* diffuse = s.trackDiffuse ? colour : s.materialDiffuse;
    const float* nm = transformState().normalMatrix;
    const float n0[3] = {vertex.nx, vertex.ny, vertex.nz};
    const float normal[3] = {nm[0] * n0[0] + nm[3] * n0[1] + nm[6] * n0[2],
                             nm[1] * n0[0] + nm[4] * n0[1] + nm[7] * n0[2],
                             nm[2] * n0[0] + nm[5] * n0[1] + nm[8] * n0[2]};
    float sum[3];
    for (int i = 0; i < 3; ++i)
        sum[i] = ambient[i] * s.modelAmbient[i];
    for (int n = 0; n < s.lightCount; ++n) {
        const ShaderLight& light = s.lights[n];
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
        if (light.spotCosCutoff >= -1.0f) {
            const float spotDot = -dot3(toLight, light.spotDirection);
            if (spotDot < light.spotCosCutoff)
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

ClipVertex processVertex(const ShadedVertex& vertex) {
    const TransformState& t = transformState();
    const float x = vertex.x, y = vertex.y, z = vertex.z;
    const float* mv = t.modelView;
    const float eye[4] = {
        mv[0] * x + mv[4] * y + mv[8] * z + mv[12], mv[1] * x + mv[5] * y + mv[9] * z + mv[13],
        mv[2] * x + mv[6] * y + mv[10] * z + mv[14], mv[3] * x + mv[7] * y + mv[11] * z + mv[15]};
    const float* m = t.mvp;
    ClipVertex v;
    v.x = m[0] * x + m[4] * y + m[8] * z + m[12];
    v.y = m[1] * x + m[5] * y + m[9] * z + m[13];
    v.z = m[2] * x + m[6] * y + m[10] * z + m[14];
    v.w = m[3] * x + m[7] * y + m[11] * z + m[15];
    float lit[4] = {vertex.r, vertex.g, vertex.b, vertex.a};
    if (context.lighting) {
        const float point[3] = {eye[0] / eye[3], eye[1] / eye[3], eye[2] / eye[3]};
        lightVertex(point, vertex, lit);
    }
    v.r = clamp01(lit[0]);
    v.g = clamp01(lit[1]);
    v.b = clamp01(lit[2]);
    v.a = clamp01(lit[3]);
    v.fog = std::fabs(eye[2] / eye[3]);
    return v;
}

void emitClip(Primitive primitive, const ClipVertex* vertices, int count) {
    if (rasterSink == nullptr || count == 0)
        return;
    ClipVertex* room =
        rasterSink->appendClip(primitive, count, context.raster, context.rasterSerial);
    std::memcpy(room, vertices, sizeof(ClipVertex) * static_cast<std::size_t>(count));
}

}  // namespace fixedgl
