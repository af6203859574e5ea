// webgl_raster.cpp -- WebGL 1 drawing of what the fixed-function layer hands on: a frame's draws
// recorded in order with the state each is made under (made at the flush, webgl_raster_flush.cpp),
// the contexts' start, and the rasteriser's calls for the page.
#include "platform/web/webgl_raster.h"

#include <GLES2/gl2.h>
#include <GLES3/gl3.h>  // instancing: ANGLE_instanced_arrays in WebGL 1

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "platform/web/webgl_extension.h"
#include "platform/web/webgl_raster_state.h"

namespace web {

using fixedgl::ArrayTriangles;
using fixedgl::ClipVertex;
using fixedgl::CurrentValues;
using fixedgl::DrawState;
using fixedgl::KeptVertices;
using fixedgl::LightingState;
using fixedgl::Primitive;
using fixedgl::RasterState;
using fixedgl::ShadedVertex;

void WebglRaster::setViewport(int x, int y, int width, int height) {
    flush();
    glViewport(x, y, width, height);
    viewportWidth = width;
    viewportHeight = height;
}

void WebglRaster::clear(unsigned mask, const float colour[4], double depth) {
    flush();
    glClearColor(colour[0], colour[1], colour[2], colour[3]);
    glClearDepthf(static_cast<float>(depth));
    // Clearing writes the depth buffer only with depth writes on, as they always are.
    glClear(mask & (GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT));
}

std::uint32_t WebglRaster::lightingIndex(const LightingState& lighting, unsigned serial) {
    if (lightings.empty() || serial != lastLightingSerial) {
        lightings.emplace_back();
        packLighting(lighting, lightings.back());
        lastLightingSerial = serial;
    }
    return static_cast<std::uint32_t>(lightings.size() - 1);
}

// A new draw, or the last one when these vertices follow its own under the
// same state.
Draw& WebglRaster::newDraw(Source source, Primitive primitive, std::uint32_t first,
                           const DrawState* state, const RasterState& raster, unsigned rasterSerial,
                           int lineWidth) {
    std::uint32_t transform = 0, lighting = 0;
    if (state != nullptr) {
        transform = transforms.index(*state->transform, state->transformSerial);
        lighting = lightingIndex(*state->lighting, state->lightingSerial);
    }
    const std::uint32_t rasterIndex = rasters.index(raster, rasterSerial);
    if (!draws.empty() && source != Source::kept && source != Source::arrays) {
        Draw& last = draws.back();
        if (last.source == source && last.primitive == primitive &&
            last.first + last.count == first && last.transform == transform &&
            last.lighting == lighting && last.raster == rasterIndex && last.lineWidth == lineWidth)
            return last;
    }
    draws.emplace_back();
    Draw& draw = draws.back();
    draw.source = source;
    draw.primitive = primitive;
    draw.first = first;
    draw.transform = transform;
    draw.lighting = lighting;
    draw.raster = rasterIndex;
    draw.lineWidth = lineWidth;
    return draw;
}

ShadedVertex* WebglRaster::appendShaded(Primitive primitive, int count, const DrawState& state) {
    Growing<ShadedVertex>& frame = store.frame();
    const auto first = static_cast<std::uint32_t>(frame.size());
    newDraw(Source::shaded, primitive, first, &state, *state.raster, state.rasterSerial).count +=
        static_cast<std::uint32_t>(count);
    return frame.extend(static_cast<std::size_t>(count));
}

ShadedVertex* WebglRaster::appendWideLines(int lines, int width, const DrawState& state) {
    if (!instancing || viewportWidth <= 0 || viewportHeight <= 0)
        return nullptr;  // the layer's quads (none without a viewport)
    const auto first = static_cast<std::uint32_t>(lineEnds.size() / 2);
    newDraw(Source::lines, Primitive::triangles, first, &state, *state.raster, state.rasterSerial,
            width)
        .count += static_cast<std::uint32_t>(lines);
    return lineEnds.extend(2 * static_cast<std::size_t>(lines));
}

ClipVertex* WebglRaster::appendClip(Primitive primitive, int count, const RasterState& raster,
                                    unsigned rasterSerial) {
    const auto first = static_cast<std::uint32_t>(clipVertices.size());
    newDraw(Source::clip, primitive, first, nullptr, raster, rasterSerial).count +=
        static_cast<std::uint32_t>(count);
    return clipVertices.extend(static_cast<std::size_t>(count));
}

static void takeCurrent(Draw& draw, const CurrentValues& current) {
    draw.useColour = current.useColour;
    draw.useNormal = current.useNormal;
    std::memcpy(draw.colour, current.colour, sizeof draw.colour);
    std::memcpy(draw.normal, current.normal, sizeof draw.normal);
}

// Triangles the GPU buffers cannot hold (indices past what 16 bits say, where
// 32-bit ones are missing) go with the frame's vertices.
void WebglRaster::expandTriangles(const ShadedVertex* vertices, const std::uint32_t* indices,
                                  int count, const CurrentValues& current, const DrawState& state) {
    ShadedVertex* out = appendShaded(Primitive::triangles, count, state);
    for (int i = 0; i < count; ++i) {
        ShadedVertex v = vertices[indices[i]];
        if (current.useColour) {
            v.r = current.colour[0];
            v.g = current.colour[1];
            v.b = current.colour[2];
            v.a = current.colour[3];
        }
        if (current.useNormal) {
            v.nx = current.normal[0];
            v.ny = current.normal[1];
            v.nz = current.normal[2];
        }
        out[i] = v;
    }
}

void WebglRaster::drawKept(const std::shared_ptr<KeptVertices>& kept, int first, int count,
                           const CurrentValues& current, const DrawState& state) {
    if (count <= 0)
        return;
    if (!store.canKeep(*kept)) {
        expandTriangles(kept->vertices.data(), kept->indices.data() + first, count, current, state);
        return;
    }
    Draw& draw = newDraw(Source::kept, Primitive::triangles, static_cast<std::uint32_t>(first),
                         &state, *state.raster, state.rasterSerial);
    draw.count = static_cast<std::uint32_t>(count);
    draw.kept = kept;
    takeCurrent(draw, current);
}

void WebglRaster::drawArrayTriangles(const ArrayTriangles& arrays, const CurrentValues& current,
                                     const DrawState& state) {
    ArrayDraw uploaded;
    if (!arrayUploads.prepare(arrays, uploaded)) {
        // Only 32-bit indices fail, so the elements are read as the indices say.
        static std::vector<ShadedVertex> elements;
        static std::vector<std::uint32_t> order;
        elements.clear();
        order.clear();
        const auto* indices = static_cast<const std::uint32_t*>(arrays.indices);
        for (int i = 0; i < arrays.count; ++i) {
            const auto at = [&indices, i](const fixedgl::ClientArray& array) {
                return reinterpret_cast<const float*>(
                    static_cast<const unsigned char*>(array.pointer) + array.stride * indices[i]);
            };
            const float* p = at(arrays.position);
            const float* c = arrays.colour.pointer != nullptr ? at(arrays.colour) : current.colour;
            const float alpha =
                arrays.colour.pointer == nullptr || arrays.colour.size == 4 ? c[3] : 1.0f;
            elements.push_back(ShadedVertex{p[0], p[1], p[2], c[0], c[1], c[2], alpha, 0, 0, 0});
            order.push_back(static_cast<std::uint32_t>(i));
        }
        CurrentValues normalOnly = current;
        normalOnly.useColour = false;
        expandTriangles(elements.data(), order.data(), arrays.count, normalOnly, state);
        return;
    }
    arrayDraws.push_back(uploaded);
    Draw& draw =
        newDraw(Source::arrays, Primitive::triangles, 0, &state, *state.raster, state.rasterSerial);
    draw.count = static_cast<std::uint32_t>(arrays.count);
    draw.arrays = static_cast<std::uint32_t>(arrayDraws.size() - 1);
    takeCurrent(draw, current);
    draw.useColour = uploaded.colour == 0;
}

void WebglRaster::discard() {
    draws.clear();
    arrayDraws.clear();
    store.frame().clear();
    lineEnds.clear();
    clipVertices.clear();
    transforms.states.clear();
    lightings.clear();
    rasters.states.clear();
}

bool WebglRaster::finishStart(std::string& error) {
    for (ProgramInUse& p : programs) {
        if (p.linking) {
            p.linking = false;
            if (!finishProgram(p.program, error)) {
                forget();
                return false;
            }
        }
    }
    return true;
}

void WebglRaster::forget() {
    discard();
    programs.clear();
    programFailed = false;
    store.forget();
    arrayUploads.forget();
    clipBuffer = lineBuffer = cornerBuffer = 0;
    instancing = divisorsOn = false;
}

void WebglRaster::start() {
    forget();
    // The unlit and the clip programs first, begun: a context that cannot
    // make them cannot draw (finishStart says so).
    for (const std::uint64_t key : {std::uint64_t{0}, kClipProgram}) {
        ProgramInUse begun = {{}, false, {}, {0, 0, 0}, -1, -1, true};
        beginProgram(key, begun.program);
        programs.push_back(begun);
    }
    const bool uintIndices = enableWebglExtension("OES_element_index_uint");
    store.start(uintIndices);
    arrayUploads.setUintIndices(uintIndices);
    glGenBuffers(1, &clipBuffer);
    // Every program reads all three attributes from arrays.
    for (const GLuint attribute : {kPositionAttribute, kColourAttribute, kNormalAttribute})
        glEnableVertexAttribArray(attribute);
    parallelLinking = enableWebglExtension("KHR_parallel_shader_compile");
    instancing = enableWebglExtension("ANGLE_instanced_arrays");
    if (instancing) {
        // A quad's corners as (end, side), in the order of the processor's quads.
        static const GLfloat corners[12] = {0, -1, 0, 1, 1, 1, 0, -1, 1, 1, 1, -1};
        GLuint buffers[2] = {};
        glGenBuffers(2, buffers);
        lineBuffer = buffers[0];
        cornerBuffer = buffers[1];
        glBindBuffer(GL_ARRAY_BUFFER, cornerBuffer);
        glBufferData(GL_ARRAY_BUFFER, sizeof corners, corners, GL_STATIC_DRAW);
        // Every enabled attribute needs a buffer in WebGL, read or not: the
        // other end's point at the corners until a wide line is drawn.
        for (const GLuint attribute : {kOtherPositionAttribute, kOtherColourAttribute,
                                       kOtherNormalAttribute, kCornerAttribute}) {
            glVertexAttribPointer(attribute, 2, GL_FLOAT, GL_FALSE, 0, nullptr);
            glEnableVertexAttribArray(attribute);
        }
        for (const GLuint attribute :
             {kOtherPositionAttribute, kOtherColourAttribute, kOtherNormalAttribute})
            glVertexAttribDivisor(attribute, 1);
    }
    glDepthMask(GL_TRUE);
}

static WebglRaster raster;

bool startWebglRaster(std::string& error) {
    beginWebglRaster();
    return finishWebglRaster(error);
}

void beginWebglRaster() {
    raster.start();
}

bool finishWebglRaster(std::string& error) {
    return raster.finishStart(error);
}

fixedgl::RasterSink& webglRaster() {
    return raster;
}

void flushWebglRaster() {
    raster.flush();
}

void prepareWebglPrograms() {
    raster.prepare();
}

bool webglProgramsReady() {
    return raster.prepared();
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
