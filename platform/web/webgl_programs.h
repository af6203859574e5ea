// webgl_programs.h -- the rasteriser's two WebGL 1 programs: one transforms and lights vertices
// in object coordinates as GL 1.x does (the vertex shader), one takes vertices the layer
// transformed itself; both fog per fragment. Their uniforms, set from the layer's state.
#pragma once

#include <GLES2/gl2.h>

#include <string>

#include "platform/web/raster_sink.h"

namespace web {

// Attribute locations, the same in both programs.
constexpr GLuint kPositionAttribute = 0;
constexpr GLuint kColourAttribute = 1;
constexpr GLuint kNormalAttribute = 2;  // the shaded program's normal
constexpr GLuint kFogAttribute = 2;     // the clip program's fog coordinate

struct Program {
    GLuint name = 0;
    GLint transform = -1;  // the shaded program's only
    GLint lighting = -1;   // the shaded program's only
    GLint fogMode = -1, fogParameters = -1, fogColour = -1;
};

// Both programs, with the context current. False, with the reason in `error`
// and nothing left behind, when the context cannot make them.
bool makePrograms(Program& shaded, Program& clip, std::string& error);

// The uniforms of the program in use.
void setTransformUniform(const Program& program, const fixedgl::TransformState& transform);
void setLightingUniform(const Program& program, const fixedgl::LightingState& lighting);
void setFogUniforms(const Program& program, const fixedgl::RasterState& state);

}  // namespace web
