// webgl_programs.h -- the rasteriser's WebGL 1 programs: vertex shaders that transform and light
// vertices in object coordinates as GL 1.x does, each made for one shape of lighting (which
// lights, of which kinds), and one that takes vertices the layer transformed itself; all fog
// per fragment. Their uniforms, set from the layer's state.
#pragma once

#include <GLES2/gl2.h>

#include <cstdint>
#include <string>

#include "platform/web/raster_sink.h"

namespace web {

// Attribute locations, the same in every program.
constexpr GLuint kPositionAttribute = 0;
constexpr GLuint kColourAttribute = 1;
constexpr GLuint kNormalAttribute = 2;  // the shaded programs' normal
constexpr GLuint kFogAttribute = 2;     // the clip program's fog coordinate
// A wide line's program: a line's ends in the first six, one a line, and
// which corner of its quad a vertex is.
constexpr GLuint kOtherPositionAttribute = 3;
constexpr GLuint kOtherColourAttribute = 4;
constexpr GLuint kOtherNormalAttribute = 5;
constexpr GLuint kCornerAttribute = 6;

// The program for vertices the layer transformed itself; every other key is a
// shaded program's (packLighting's), with kWideLines for wide lines' program.
constexpr std::uint64_t kClipProgram = std::uint64_t{1} << 63;
constexpr std::uint64_t kWideLines = std::uint64_t{1} << 62;

// Three vectors of material and ambient, five a light.
constexpr int kMostLightingVectors = 3 + 5 * fixedgl::kMaxLights;

// The lighting as a shaded program takes it: the program's key and its uniform vectors.
struct LightingUniforms {
    std::uint64_t key;
    int vectorCount;
    float vectors[kMostLightingVectors * 4];
};

// The key and vectors for `lighting`. A light whose ambient part is the same
// at every vertex (no spot, no attenuation) adds it to the scene's ambient
// instead, and a light left adding nothing is left out: the scene's ambient
// light 1 costs the shader nothing.
void packLighting(const fixedgl::LightingState& lighting, LightingUniforms& out);

struct Program {
    std::uint64_t key = 0;
    GLuint name = 0;
    GLint transform = -1;  // the shaded programs' only
    GLint lighting = -1;   // lit shaded programs' only
    GLint line = -1;       // wide lines' programs' only
    GLint fogMode = -1, fogParameters = -1, fogColour = -1;
};

// The vertex shader of the shaded program for `key` (webgl_lighting_shader.cpp).
std::string shadedVertexShader(std::uint64_t key);

// The program for `key`, with the context current. False, with the reason in
// `error` and nothing left behind, when the context cannot make it.
bool makeProgram(std::uint64_t key, Program& program, std::string& error);

// makeProgram in two halves, so that the browser compiles and links between
// them while the page's thread goes on: the first hands over the shaders
// and asks nothing (its name 0 when it cannot be begun), the second asks
// whether they linked, which waits for the browser when it has not finished.
void beginProgram(std::uint64_t key, Program& program);
bool finishProgram(Program& program, std::string& error);

// Whether the browser has finished linking it (KHR_parallel_shader_compile);
// true where the browser cannot say.
bool programLinked(const Program& program, bool browserSays);

// Uniform vectors of a draw's transform: projection x model-view, the
// model-view matrix and the normals' matrix by columns, the last column's w
// 1 where the vertices take the colour in vector 11 instead of their own and
// the second's where they take the normal in vector 12.
constexpr int kTransformVectors = 13;

// The vectors for `transform`, with the colour and normal every vertex takes
// (null: their own).
void packTransform(const fixedgl::TransformState& transform, const float* colour,
                   const float* normal, float* vectors);

// The uniforms of the program in use.
void setTransformUniform(const Program& program, const float* vectors);
void setLightingUniform(const Program& program, const LightingUniforms& lighting);
void setFogUniforms(const Program& program, const fixedgl::RasterState& state);
// A wide line's width in pixels, and the viewport's size it is widened in.
void setLineUniform(const Program& program, int width, int viewportWidth, int viewportHeight);

}  // namespace web
