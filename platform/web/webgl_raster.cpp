// webgl_raster.cpp -- WebGL 1 drawing of what the fixed-function layer hands on: a frame's draws
// recorded in order with the state each is made under, then made at the flush with only the
// state changes between them; display lists' vertices kept in the buffer the frame's go to.
#include "platform/web/webgl_raster.h"

#include <GLES2/gl2.h>
#include <GLES3/gl3.h>  // instancing: ANGLE_instanced_arrays in WebGL 1

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "platform/web/webgl_arrays.h"
#include "platform/web/webgl_extension.h"
#include "platform/web/webgl_programs.h"

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
using fixedgl::TransformState;

// The vertex buffer's first sizes, in vertices: the kept part (the shapes'
// lists need about 4,600) and the frame's part (about 60,000 in the rain).
constexpr std::size_t kFirstKeptCapacity = 1 << 15;
constexpr std::size_t kFirstFrameCapacity = 1 << 16;

// A growing array of plain records whose new room is not cleared first: a
// frame's vertices are written once, by the layer.
template <typename T>
class Growing {
  public:
    T* extend(std::size_t n) {
        if (count + n > capacity) {
            const std::size_t larger = std::max(capacity * 2, count + n);
            std::unique_ptr<T[]> bigger(new T[larger]);
            if (count > 0)
                std::memcpy(bigger.get(), items.get(), count * sizeof(T));
            items = std::move(bigger);
            capacity = larger;
        }
        T* room = items.get() + count;
        count += n;
        return room;
    }
    void clear() { count = 0; }
    std::size_t size() const { return count; }
    const T* data() const { return items.get(); }
    void swap(Growing& other) {
        std::swap(items, other.items);
        std::swap(count, other.count);
        std::swap(capacity, other.capacity);
    }

  private:
    std::unique_ptr<T[]> items;
    std::size_t count = 0, capacity = 0;
};

// The states a frame's draws are made under, one entry for each run of draws
// with the same serial.
template <typename State>
struct StateTable {
    std::vector<State> states;
    unsigned lastSerial = 0;

    std::uint32_t index(const State& state, unsigned serial) {
        if (states.empty() || serial != lastSerial) {
            states.push_back(state);
            lastSerial = serial;
        }
        return static_cast<std::uint32_t>(states.size() - 1);
    }
};

// The bytes from which `a` and `b` (of `n` each) differ, or `n`; eight at a time.
static std::size_t firstDifference(const unsigned char* a, const unsigned char* b, std::size_t n) {
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t x, y;
        std::memcpy(&x, a + i, 8);
        std::memcpy(&y, b + i, 8);
        if (x != y)
            break;
    }
    while (i < n && a[i] == b[i])
        ++i;
    return i;
}

enum class Source : unsigned char { shaded, clip, kept, arrays, lines };

struct Draw {
    Source source;
    Primitive primitive;
    bool useColour;  // the vertices take `colour` (a uniform), not their own
    bool useNormal;
    std::uint32_t first, count;  // vertices; indices for arrays; lines for lines
    std::uint32_t transform, lighting, raster;
    std::uint32_t arrays;  // into arrayDraws
    int lineWidth;
    float colour[4];
    float normal[3];
    std::shared_ptr<KeptVertices> kept;
};

// A program, and what its uniforms hold: the transform vectors last set, and
// the entries of the frame's tables.
struct ProgramInUse {
    Program program;
    bool transformSet;
    float transform[kTransformVectors * 4];
    std::int64_t lighting, raster;
    int line[3];  // width, viewport width and height
};

// What the flush has set in WebGL so far; nothing at its start.
struct Applied {
    const ProgramInUse* program = nullptr;
    bool sourceSet = false;
    Source source = Source::shaded;
    std::uint32_t arrays = 0;
    const RasterState* depth = nullptr;
};

static GLenum modeOf(Primitive primitive) {
    return primitive == Primitive::triangles ? GL_TRIANGLES
           : primitive == Primitive::lines   ? GL_LINES
                                             : GL_POINTS;
}

static bool sameDepth(const RasterState& a, const RasterState& b) {
    return a.depthTest == b.depthTest && a.depthFunc == b.depthFunc;
}

class WebglRaster final : public fixedgl::RasterSink {
  public:
    std::vector<ProgramInUse> programs;  // made as their keys are first drawn with
    bool programFailed = false;
    // The frame's shaded vertices go after the kept ones, in one buffer: list
    // draws and the frame's draws between them need no other attributes.
    GLuint vertexBuffer = 0, clipBuffer = 0;
    std::size_t keptCapacity = 0, frameCapacity = 0;  // vertices; 0 before the first flush
    std::size_t keptUsed = 0;
    unsigned keptGeneration = 1;    // KeptVertices with another are not in the buffer
    bool keptStartedAgain = false;  // during this flush
    ArrayUploads arrayUploads;
    Growing<ShadedVertex> shadedVertices;
    // The frame's vertices in the buffer since the last flush: what the next
    // frame shares with them from its start (the pitch and the markings come
    // first and stay the same) is not uploaded again. Empty when unknown.
    Growing<ShadedVertex> uploadedVertices;
    Growing<ClipVertex> clipVertices;
    // Wide lines' ends, two a line, drawn as instances of a quad's six corners
    // where the context has instancing; the part that stays the same from one
    // frame to the next (the markings) is not uploaded again.
    bool instancing = false;
    GLuint lineBuffer = 0, cornerBuffer = 0;
    std::size_t lineCapacity = 0;  // ends
    Growing<ShadedVertex> lineEnds, uploadedLineEnds;
    int viewportWidth = 0, viewportHeight = 0;
    bool divisorsOn = false;  // the first attributes go one a line (a state of the context)
    std::vector<Draw> draws;
    std::vector<ArrayDraw> arrayDraws;
    StateTable<TransformState> transforms;
    std::vector<LightingUniforms> lightings;
    unsigned lastLightingSerial = 0;
    StateTable<RasterState> rasters;

    void setViewport(int x, int y, int width, int height) override {
        flush();
        glViewport(x, y, width, height);
        viewportWidth = width;
        viewportHeight = height;
    }

    void clear(unsigned mask, const float colour[4], double depth) override {
        flush();
        glClearColor(colour[0], colour[1], colour[2], colour[3]);
        glClearDepthf(static_cast<float>(depth));
        // Clearing writes the depth buffer only with depth writes on, as they always are.
        glClear(mask & (GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT));
    }

    Draw& newDraw(Source source, Primitive primitive, std::uint32_t first, const DrawState* state,
                  const RasterState& raster, unsigned rasterSerial, int lineWidth = 0) {
        std::uint32_t transform = 0, lighting = 0;
        if (state != nullptr) {
            transform = transforms.index(*state->transform, state->transformSerial);
            lighting = lightingIndex(*state->lighting, state->lightingSerial);
        }
        const std::uint32_t rasterIndex = rasters.index(raster, rasterSerial);
        // Vertices that follow the last draw's under the same state join it.
        if (!draws.empty() && source != Source::kept && source != Source::arrays) {
            Draw& last = draws.back();
            if (last.source == source && last.primitive == primitive &&
                last.first + last.count == first && last.transform == transform &&
                last.lighting == lighting && last.raster == rasterIndex &&
                last.lineWidth == lineWidth)
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

    std::uint32_t lightingIndex(const LightingState& lighting, unsigned serial) {
        if (lightings.empty() || serial != lastLightingSerial) {
            lightings.emplace_back();
            packLighting(lighting, lightings.back());
            lastLightingSerial = serial;
        }
        return static_cast<std::uint32_t>(lightings.size() - 1);
    }

    // The program for `key`, made when first needed; null when it cannot be
    // made (said once: its draws are left out).
    ProgramInUse* programFor(std::uint64_t key) {
        for (ProgramInUse& p : programs) {
            if (p.program.key == key)
                return &p;
        }
        ProgramInUse made = {{}, false, {}, -1, -1, {0, 0, 0}};
        std::string error;
        if (!makeProgram(key, made.program, error)) {
            if (!programFailed)
                std::fprintf(stderr, "football: a WebGL program cannot be made: %s\n",
                             error.c_str());
            programFailed = true;
            return nullptr;
        }
        programs.push_back(made);
        return &programs.back();
    }

    ShadedVertex* appendShaded(Primitive primitive, int count, const DrawState& state) override {
        const auto first = static_cast<std::uint32_t>(shadedVertices.size());
        newDraw(Source::shaded, primitive, first, &state, *state.raster, state.rasterSerial)
            .count += static_cast<std::uint32_t>(count);
        return shadedVertices.extend(static_cast<std::size_t>(count));
    }

    ShadedVertex* appendWideLines(int lines, int width, const DrawState& state) override {
        if (!instancing)
            return nullptr;
        const auto first = static_cast<std::uint32_t>(lineEnds.size() / 2);
        newDraw(Source::lines, Primitive::triangles, first, &state, *state.raster,
                state.rasterSerial, width)
            .count += static_cast<std::uint32_t>(lines);
        return lineEnds.extend(2 * static_cast<std::size_t>(lines));
    }

    ClipVertex* appendClip(Primitive primitive, int count, const RasterState& raster,
                           unsigned rasterSerial) override {
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

    void drawKept(const std::shared_ptr<KeptVertices>& kept, int first, int count,
                  const CurrentValues& current, const DrawState& state) override {
        if (count <= 0)
            return;
        Draw& draw = newDraw(Source::kept, Primitive::triangles, static_cast<std::uint32_t>(first),
                             &state, *state.raster, state.rasterSerial);
        draw.count = static_cast<std::uint32_t>(count);
        draw.kept = kept;
        takeCurrent(draw, current);
    }

    void drawArrayTriangles(const ArrayTriangles& arrays, const CurrentValues& current,
                            const DrawState& state) override {
        ArrayDraw uploaded;
        if (!arrayUploads.prepare(arrays, uploaded)) {
            expandArrays(arrays, current, state);
            return;
        }
        arrayDraws.push_back(uploaded);
        Draw& draw = newDraw(Source::arrays, Primitive::triangles, 0, &state, *state.raster,
                             state.rasterSerial);
        draw.count = static_cast<std::uint32_t>(arrays.count);
        draw.arrays = static_cast<std::uint32_t>(arrayDraws.size() - 1);
        takeCurrent(draw, current);
        draw.useColour = uploaded.colour == 0;
    }

    // Without 32-bit indices, indices past 65,535 are drawn from the frame's vertices.
    void expandArrays(const ArrayTriangles& arrays, const CurrentValues& current,
                      const DrawState& state) {
        ShadedVertex* out = appendShaded(Primitive::triangles, arrays.count, state);
        const auto* indices = static_cast<const std::uint32_t*>(arrays.indices);
        for (int i = 0; i < arrays.count; ++i) {
            const auto at = [&indices, i](const fixedgl::ClientArray& array) {
                return reinterpret_cast<const float*>(
                    static_cast<const unsigned char*>(array.pointer) + array.stride * indices[i]);
            };
            const float* p = at(arrays.position);
            const float* c = arrays.colour.pointer != nullptr ? at(arrays.colour) : current.colour;
            const float* n = current.normal;
            const float alpha =
                arrays.colour.pointer == nullptr || arrays.colour.size == 4 ? c[3] : 1.0f;
            out[i] = ShadedVertex{p[0], p[1], p[2], c[0], c[1], c[2], alpha, n[0], n[1], n[2]};
        }
    }

    // The vertex buffer at its sizes, its frame part holding this frame's
    // vertices; its kept part is empty when it is made again.
    void sizeVertexBuffer(std::size_t kept, std::size_t frame) {
        keptCapacity = kept;
        frameCapacity = frame;
        keptUsed = 0;
        keptGeneration += 1;
        uploadedVertices.clear();
        glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
        glBufferData(GL_ARRAY_BUFFER,
                     static_cast<GLsizeiptr>((kept + frame) * sizeof(ShadedVertex)), nullptr,
                     GL_DYNAMIC_DRAW);
        uploadFrameVertices();
    }

    void uploadFrameVertices() {
        uploadChanged(vertexBuffer, keptCapacity * sizeof(ShadedVertex), shadedVertices,
                      uploadedVertices);
    }

    // Uploads `now` into `buffer` at `offset` bytes from the first vertex on
    // that differs from `before` (what the buffer holds there).
    static void uploadChanged(GLuint buffer, std::size_t offset, const Growing<ShadedVertex>& now,
                              const Growing<ShadedVertex>& before) {
        const std::size_t count = now.size();
        const std::size_t shared =
            firstDifference(reinterpret_cast<const unsigned char*>(now.data()),
                            reinterpret_cast<const unsigned char*>(before.data()),
                            std::min(count, before.size()) * sizeof(ShadedVertex)) /
            sizeof(ShadedVertex);
        if (shared == count)
            return;
        glBindBuffer(GL_ARRAY_BUFFER, buffer);
        glBufferSubData(
            GL_ARRAY_BUFFER, static_cast<GLintptr>(offset + shared * sizeof(ShadedVertex)),
            static_cast<GLsizeiptr>((count - shared) * sizeof(ShadedVertex)), now.data() + shared);
    }

    // The kept vertices in the kept part. When it is full it starts again
    // (twice as large if it already did in this flush): every list is put
    // back as it is next drawn, and replaced lists' vertices go.
    void placeKept(KeptVertices& kept) {
        if (kept.generation == keptGeneration)
            return;
        const std::size_t n = kept.vertices.size();
        if (keptUsed + n > keptCapacity) {
            if (keptStartedAgain || n > keptCapacity) {
                std::size_t capacity = keptCapacity * 2;
                while (capacity < n)
                    capacity *= 2;
                sizeVertexBuffer(capacity, frameCapacity);
            } else {
                keptUsed = 0;
                keptGeneration += 1;
            }
            keptStartedAgain = true;
        }
        glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer);
        glBufferSubData(GL_ARRAY_BUFFER, static_cast<GLintptr>(keptUsed * sizeof(ShadedVertex)),
                        static_cast<GLsizeiptr>(n * sizeof(ShadedVertex)), kept.vertices.data());
        kept.offset = keptUsed;
        kept.generation = keptGeneration;
        keptUsed += n;
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

    // The attributes' arrays for the draw's source; the frame's shaded
    // vertices and the kept ones are one source.
    void pointSource(const Draw& draw, Applied& applied) {
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
            pointShaded(vertexBuffer);
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
                glVertexAttribPointer(kColourAttribute, p.size, GL_FLOAT, GL_FALSE, stride,
                                      nullptr);
            }
        }
    }

    // A wide lines draw's ends, one pair an instance, from its first line on.
    void pointLines(const Draw& draw, Applied& applied) {
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

    // False when the draw's program cannot be made.
    bool setState(const Draw& draw, Applied& applied) {
        const bool clipped = draw.source == Source::clip;
        const LightingUniforms* lighting = clipped ? nullptr : &lightings[draw.lighting];
        const std::uint64_t key = clipped                        ? kClipProgram
                                  : draw.source == Source::lines ? lighting->key | kWideLines
                                                                 : lighting->key;
        ProgramInUse* in = programFor(key);
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

    void make(const Draw& draw, Applied& applied) {
        if (!setState(draw, applied))
            return;
        if (draw.source == Source::lines) {
            pointLines(draw, applied);
            glDrawArraysInstanced(GL_TRIANGLES, 0, 6, static_cast<GLsizei>(draw.count));
            return;
        }
        if (draw.source == Source::kept)
            placeKept(*draw.kept);
        pointSource(draw, applied);
        const GLenum mode = modeOf(draw.primitive);
        if (draw.source == Source::kept) {
            glDrawArrays(mode, static_cast<GLint>(draw.kept->offset + draw.first),
                         static_cast<GLsizei>(draw.count));
        } else if (draw.source == Source::arrays) {
            const ArrayDraw& arrays = arrayDraws[draw.arrays];
            glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, arrays.indices);
            glDrawElements(mode, arrays.count, arrays.indexType, nullptr);
        } else if (draw.source == Source::shaded) {
            glDrawArrays(mode, static_cast<GLint>(keptCapacity + draw.first),
                         static_cast<GLsizei>(draw.count));
        } else {
            glDrawArrays(mode, static_cast<GLint>(draw.first), static_cast<GLsizei>(draw.count));
        }
    }

    // The frame's vertices into the vertex buffer, made larger when they do
    // not fit (which empties its kept part), and the transformed ones.
    void uploadFrame() {
        const std::size_t frame = shadedVertices.size();
        if (frameCapacity == 0 || frame > frameCapacity) {
            std::size_t capacity = std::max(frameCapacity, kFirstFrameCapacity);
            while (capacity < frame)
                capacity *= 2;
            sizeVertexBuffer(std::max(keptCapacity, kFirstKeptCapacity), capacity);
        } else {
            uploadFrameVertices();
        }
        if (lineEnds.size() > lineCapacity) {
            lineCapacity = std::max<std::size_t>(lineCapacity, 1 << 12);
            while (lineCapacity < lineEnds.size())
                lineCapacity *= 2;
            glBindBuffer(GL_ARRAY_BUFFER, lineBuffer);
            glBufferData(GL_ARRAY_BUFFER,
                         static_cast<GLsizeiptr>(lineCapacity * sizeof(ShadedVertex)), nullptr,
                         GL_DYNAMIC_DRAW);
            uploadedLineEnds.clear();
        }
        uploadChanged(lineBuffer, 0, lineEnds, uploadedLineEnds);
        if (clipVertices.size() > 0) {
            glBindBuffer(GL_ARRAY_BUFFER, clipBuffer);
            glBufferData(GL_ARRAY_BUFFER,
                         static_cast<GLsizeiptr>(clipVertices.size() * sizeof(ClipVertex)),
                         clipVertices.data(), GL_STREAM_DRAW);
        }
    }

    void discard() {
        draws.clear();
        arrayDraws.clear();
        shadedVertices.clear();
        lineEnds.clear();
        clipVertices.clear();
        transforms.states.clear();
        lightings.clear();
        rasters.states.clear();
    }

    void flush() {
        if (!draws.empty() && vertexBuffer != 0) {
            keptStartedAgain = false;
            uploadFrame();
            for (ProgramInUse& p : programs)
                p.lighting = p.raster = -1;
            Applied applied;
            for (const Draw& draw : draws)
                make(draw, applied);
            uploadedVertices.swap(shadedVertices);
            uploadedLineEnds.swap(lineEnds);
        }
        discard();
        arrayUploads.endFrame();
    }

    // Everything made in an earlier context is gone with it.
    void forget() {
        discard();
        programs.clear();
        programFailed = false;
        uploadedVertices.clear();
        uploadedLineEnds.clear();
        vertexBuffer = clipBuffer = lineBuffer = cornerBuffer = 0;
        lineCapacity = 0;
        instancing = divisorsOn = false;
        keptCapacity = frameCapacity = keptUsed = 0;
        keptGeneration += 1;
        arrayUploads.forget();
    }
};

static WebglRaster raster;

bool startWebglRaster(std::string& error) {
    raster.forget();
    // The unlit and the clip programs first: a context that cannot make
    // them cannot draw.
    for (const std::uint64_t key : {std::uint64_t{0}, kClipProgram}) {
        Program program;
        if (!makeProgram(key, program, error)) {
            raster.forget();
            return false;
        }
        raster.programs.push_back(ProgramInUse{program, false, {}, -1, -1, {0, 0, 0}});
    }
    GLuint buffers[2] = {};
    glGenBuffers(2, buffers);
    raster.vertexBuffer = buffers[0];
    raster.clipBuffer = buffers[1];
    raster.arrayUploads.setUintIndices(enableWebglExtension("OES_element_index_uint"));
    // Every program reads all three attributes from arrays.
    for (const GLuint attribute : {kPositionAttribute, kColourAttribute, kNormalAttribute})
        glEnableVertexAttribArray(attribute);
    raster.instancing = enableWebglExtension("ANGLE_instanced_arrays");
    if (raster.instancing) {
        // A quad's corners as (end, side), in the order of the processor's quads.
        static const GLfloat corners[12] = {0, -1, 0, 1, 1, 1, 0, -1, 1, 1, 1, -1};
        GLuint lineBuffers[2] = {};
        glGenBuffers(2, lineBuffers);
        raster.lineBuffer = lineBuffers[0];
        raster.cornerBuffer = lineBuffers[1];
        glBindBuffer(GL_ARRAY_BUFFER, raster.cornerBuffer);
        glBufferData(GL_ARRAY_BUFFER, sizeof corners, corners, GL_STATIC_DRAW);
        // Every enabled attribute needs a buffer in WebGL, read or not: the
        // other end's point at the corners until a wide line is drawn.
        for (const GLuint attribute : {kOtherPositionAttribute, kOtherColourAttribute,
                                       kOtherNormalAttribute, kCornerAttribute})
            glVertexAttribPointer(attribute, 2, GL_FLOAT, GL_FALSE, 0, nullptr);
        for (const GLuint attribute : {kOtherPositionAttribute, kOtherColourAttribute,
                                       kOtherNormalAttribute, kCornerAttribute})
            glEnableVertexAttribArray(attribute);
        for (const GLuint attribute :
             {kOtherPositionAttribute, kOtherColourAttribute, kOtherNormalAttribute})
            glVertexAttribDivisor(attribute, 1);
    }
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
