// webgl_raster_flush.cpp -- a frame's recorded draws made in WebGL: the vertices uploaded, then
// each draw with only what changed since the one before (program, depth, uniforms, attribute
// pointers) set ahead of it.
#include <GLES2/gl2.h>
#include <GLES3/gl3.h>  // instancing: ANGLE_instanced_arrays in WebGL 1

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/web/webgl_raster_state.h"

namespace web {

using fixedgl::ClipVertex;
using fixedgl::Primitive;
using fixedgl::RasterState;
using fixedgl::ShadedVertex;

static GLenum modeOf(Primitive primitive) {
    return primitive == Primitive::triangles ? GL_TRIANGLES
           : primitive == Primitive::lines   ? GL_LINES
                                             : GL_POINTS;
}

static bool sameDepth(const RasterState& a, const RasterState& b) {
    return a.depthTest == b.depthTest && a.depthFunc == b.depthFunc;
}

// The program for `key`, made when first needed; null when it cannot be made
// (said once: its draws are left out).
ProgramInUse* WebglRaster::programFor(std::uint64_t key) {
    std::string error;
    for (auto p = programs.begin(); p != programs.end(); ++p) {
        if (p->program.key != key)
            continue;
        if (!p->linking)
            return &*p;
        p->linking = false;
        if (finishProgram(p->program, error))
            return &*p;
        programs.erase(p);  // made again below, to say why
        break;
    }
    ProgramInUse made = {{}, false, {}, {0, 0, 0}, -1, -1, false};
    if (!makeProgram(key, made.program, error)) {
        if (!programFailed)
            std::fprintf(stderr, "football: a WebGL program cannot be made: %s\n", error.c_str());
        programFailed = true;
        return nullptr;
    }
    programs.push_back(made);
    return &programs.back();
}

// A draw's program: the clip program, or the lighting's, for wide lines or not.
static std::uint64_t programKey(const Draw& draw, const std::vector<LightingUniforms>& lightings) {
    if (draw.source == Source::clip)
        return kClipProgram;
    const std::uint64_t lit = lightings[draw.lighting].key;
    return draw.source == Source::lines ? lit | kWideLines : lit;
}

void WebglRaster::prepare() {
    for (const Draw& draw : draws) {
        const std::uint64_t key = programKey(draw, lightings);
        // A lighting's wide lines are drawn in the same pictures as its triangles.
        for (const std::uint64_t wanted : {key, key == kClipProgram ? key : key | kWideLines}) {
            bool known = false;
            for (const ProgramInUse& p : programs)
                known = known || p.program.key == wanted;
            if (known)
                continue;
            ProgramInUse begun = {{}, false, {}, {0, 0, 0}, -1, -1, true};
            beginProgram(wanted, begun.program);
            programs.push_back(begun);
        }
    }
    discard();
}

bool WebglRaster::prepared() {
    for (const ProgramInUse& p : programs) {
        if (p.linking && !programLinked(p.program, parallelLinking))
            return false;
    }
    return true;
}

// False when the draw's program cannot be made.
bool WebglRaster::setState(const Draw& draw, Applied& applied) {
    const bool clipped = draw.source == Source::clip;
    const LightingUniforms* lighting = clipped ? nullptr : &lightings[draw.lighting];
    ProgramInUse* in = programFor(programKey(draw, lightings));
    if (in == nullptr)
        return false;
    if (applied.program != in) {
        glUseProgram(in->program.name);
        applied.program = in;
    }
    const RasterState& raster = rasters.states[draw.raster];
    if (applied.depth == nullptr || !sameDepth(*applied.depth, raster)) {
        if (raster.depthTest)
            glEnable(GL_DEPTH_TEST);
        else
            glDisable(GL_DEPTH_TEST);
        glDepthFunc(raster.depthFunc);
        applied.depth = &raster;
    }
    if (in->raster != draw.raster) {
        setFogUniforms(in->program, raster);
        in->raster = draw.raster;
    }
    if (clipped)
        return true;
    float transform[kTransformVectors * 4];
    packTransform(transforms.states[draw.transform], draw.useColour ? draw.colour : nullptr,
                  draw.useNormal ? draw.normal : nullptr, transform);
    if (!in->transformSet || std::memcmp(in->transform, transform, sizeof transform) != 0) {
        setTransformUniform(in->program, transform);
        std::memcpy(in->transform, transform, sizeof transform);
        in->transformSet = true;
    }
    if (draw.source == Source::lines) {
        const int line[3] = {draw.lineWidth, viewportWidth, viewportHeight};
        if (std::memcmp(in->line, line, sizeof line) != 0) {
            setLineUniform(in->program, line[0], line[1], line[2]);
            std::memcpy(in->line, line, sizeof line);
        }
    }
    if (in->lighting != draw.lighting) {
        setLightingUniform(in->program, *lighting);
        in->lighting = draw.lighting;
    }
    return true;
}

static void pointShaded(GLuint buffer) {
    const GLsizei stride = sizeof(ShadedVertex);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glVertexAttribPointer(kPositionAttribute, 3, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(offsetof(ShadedVertex, x)));
    glVertexAttribPointer(kColourAttribute, 4, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(offsetof(ShadedVertex, r)));
    glVertexAttribPointer(kNormalAttribute, 3, GL_FLOAT, GL_FALSE, stride,
                          reinterpret_cast<const void*>(offsetof(ShadedVertex, nx)));
}

// The attributes' arrays for the draw's source; the frame's shaded vertices
// and the kept ones are one source.
void WebglRaster::pointSource(const Draw& draw, Applied& applied) {
    if (divisorsOn) {
        for (const GLuint attribute : {kPositionAttribute, kColourAttribute, kNormalAttribute})
            glVertexAttribDivisor(attribute, 0);
        divisorsOn = false;
    }
    const Source source = draw.source == Source::kept ? Source::shaded : draw.source;
    if (applied.sourceSet && applied.source == source &&
        (source != Source::arrays || applied.arrays == draw.arrays))
        return;
    applied.sourceSet = true;
    applied.source = source;
    applied.arrays = draw.arrays;
    if (source == Source::shaded) {
        pointShaded(store.vertexBuffer());
    } else if (source == Source::clip) {
        const GLsizei stride = sizeof(ClipVertex);
        glBindBuffer(GL_ARRAY_BUFFER, clipBuffer);
        glVertexAttribPointer(kPositionAttribute, 4, GL_FLOAT, GL_FALSE, stride,
                              reinterpret_cast<const void*>(offsetof(ClipVertex, x)));
        glVertexAttribPointer(kColourAttribute, 4, GL_FLOAT, GL_FALSE, stride,
                              reinterpret_cast<const void*>(offsetof(ClipVertex, r)));
        glVertexAttribPointer(kFogAttribute, 1, GL_FLOAT, GL_FALSE, stride,
                              reinterpret_cast<const void*>(offsetof(ClipVertex, fog)));
    } else {
        // Without a colour array the colour and normal come from the
        // uniforms; their attributes read the positions, which are there.
        const ArrayDraw& arrays = arrayDraws[draw.arrays];
        const fixedgl::ClientArray& p = arrays.positionLayout;
        const auto stride = static_cast<GLsizei>(p.stride);
        glBindBuffer(GL_ARRAY_BUFFER, arrays.position);
        glVertexAttribPointer(kPositionAttribute, p.size, GL_FLOAT, GL_FALSE, stride, nullptr);
        glVertexAttribPointer(kNormalAttribute, p.size, GL_FLOAT, GL_FALSE, stride, nullptr);
        if (arrays.colour != 0) {
            const fixedgl::ClientArray& c = arrays.colourLayout;
            glBindBuffer(GL_ARRAY_BUFFER, arrays.colour);
            glVertexAttribPointer(kColourAttribute, c.size, GL_FLOAT, GL_FALSE,
                                  static_cast<GLsizei>(c.stride), nullptr);
        } else {
            glVertexAttribPointer(kColourAttribute, p.size, GL_FLOAT, GL_FALSE, stride, nullptr);
        }
    }
}

// A wide lines draw's ends, one pair an instance, from its first line on.
void WebglRaster::pointLines(const Draw& draw, Applied& applied) {
    const std::size_t stride = 2 * sizeof(ShadedVertex);
    const GLuint attributes[2][3] = {
        {kPositionAttribute, kColourAttribute, kNormalAttribute},
        {kOtherPositionAttribute, kOtherColourAttribute, kOtherNormalAttribute}};
    glBindBuffer(GL_ARRAY_BUFFER, lineBuffer);
    for (int end = 0; end < 2; ++end) {
        const std::size_t at = draw.first * stride + end * sizeof(ShadedVertex);
        const GLuint* a = attributes[end];
        glVertexAttribPointer(a[0], 3, GL_FLOAT, GL_FALSE, stride,
                              reinterpret_cast<const void*>(at + offsetof(ShadedVertex, x)));
        glVertexAttribPointer(a[1], 4, GL_FLOAT, GL_FALSE, stride,
                              reinterpret_cast<const void*>(at + offsetof(ShadedVertex, r)));
        glVertexAttribPointer(a[2], 3, GL_FLOAT, GL_FALSE, stride,
                              reinterpret_cast<const void*>(at + offsetof(ShadedVertex, nx)));
    }
    if (!divisorsOn) {
        for (const GLuint attribute : attributes[0])
            glVertexAttribDivisor(attribute, 1);
        divisorsOn = true;
    }
    applied.sourceSet = false;  // the next draw of any other source points again
}

static void bindElements(GLuint buffer, Applied& applied) {
    if (applied.elementBuffer != buffer) {
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, buffer);
        applied.elementBuffer = buffer;
    }
}

void WebglRaster::make(const Draw& draw, Applied& applied) {
    if (!setState(draw, applied))
        return;
    const auto count = static_cast<GLsizei>(draw.count);
    switch (draw.source) {
        case Source::lines:
            pointLines(draw, applied);
            glDrawArraysInstanced(GL_TRIANGLES, 0, 6, count);
            break;
        case Source::kept: {
            const fixedgl::KeptVertices& kept = *draw.kept;
            store.place(*draw.kept);  // binds the store's index buffer when it uploads
            pointSource(draw, applied);
            bindElements(store.indexBuffer(), applied);
            const std::size_t size = kept.indexType == GL_UNSIGNED_INT ? 4 : 2;
            glDrawElements(GL_TRIANGLES, count, kept.indexType,
                           reinterpret_cast<const void*>(kept.indexBytes + draw.first * size));
            break;
        }
        case Source::arrays:
            pointSource(draw, applied);
            bindElements(arrayDraws[draw.arrays].indices, applied);
            glDrawElements(GL_TRIANGLES, count, arrayDraws[draw.arrays].indexType, nullptr);
            break;
        case Source::shaded:
            pointSource(draw, applied);
            glDrawArrays(modeOf(draw.primitive), static_cast<GLint>(store.frameBase() + draw.first),
                         count);
            break;
        case Source::clip:
            pointSource(draw, applied);
            glDrawArrays(modeOf(draw.primitive), static_cast<GLint>(draw.first), count);
            break;
    }
}

// The frame's vertices, its wide lines' ends and the transformed ones, each
// in new storage (the last frame's draws keep theirs: nothing waits for them).
void WebglRaster::uploadFrame() {
    store.uploadFrame();
    const auto upload = [](GLuint buffer, const void* data, std::size_t bytes) {
        if (bytes == 0)
            return;
        glBindBuffer(GL_ARRAY_BUFFER, buffer);
        glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(bytes), data, GL_STREAM_DRAW);
    };
    upload(lineBuffer, lineEnds.data(), lineEnds.size() * sizeof(ShadedVertex));
    upload(clipBuffer, clipVertices.data(), clipVertices.size() * sizeof(ClipVertex));
}

void WebglRaster::flush() {
    if (!draws.empty() && clipBuffer != 0) {
        uploadFrame();
        for (ProgramInUse& p : programs)
            p.lighting = p.raster = -1;
        Applied applied;
        for (const Draw& draw : draws)
            make(draw, applied);
    }
    discard();
    arrayUploads.endFrame();
}

}  // namespace web
