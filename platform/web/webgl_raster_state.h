// webgl_raster_state.h -- the WebGL rasteriser's record of a frame: its draws in order, each
// with indices into the frame's tables of the states it is made under, the vertices they draw
// from, and the programs; recorded as the layer hands them on (webgl_raster.cpp) and made at
// the flush (webgl_raster_flush.cpp).
#pragma once

#include <GLES2/gl2.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/web/raster_sink.h"
#include "platform/web/webgl_arrays.h"
#include "platform/web/webgl_growing.h"
#include "platform/web/webgl_programs.h"
#include "platform/web/webgl_vertex_store.h"

namespace web {

// Where a draw's vertices are: the frame's, a kept list's (the same buffer),
// the layer's transformed ones, client arrays, or wide lines' ends.
enum class Source : unsigned char { shaded, kept, clip, arrays, lines };

struct Draw {
    Source source;
    fixedgl::Primitive primitive;
    bool useColour;  // the vertices take `colour` (a uniform), not their own
    bool useNormal;
    std::uint32_t first, count;  // vertices; indices for kept lists and arrays; lines
    std::uint32_t transform, lighting, raster;  // the tables' entries
    std::uint32_t arrays;                       // into arrayDraws
    int lineWidth;
    float colour[4];
    float normal[3];
    std::shared_ptr<fixedgl::KeptVertices> kept;
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

// A program, and what its uniforms hold: the transform vectors last set, a
// wide line's width and viewport, and the entries of this frame's tables.
struct ProgramInUse {
    Program program;
    bool transformSet;
    float transform[kTransformVectors * 4];
    int line[3];
    std::int64_t lighting, raster;
    bool linking;  // begun by prepare, its link not yet asked about
};

// What a flush has set in WebGL so far; nothing at its start.
struct Applied {
    const ProgramInUse* program = nullptr;
    bool sourceSet = false;
    Source source = Source::shaded;
    std::uint32_t arrays = 0;
    const fixedgl::RasterState* depth = nullptr;
    GLuint elementBuffer = 0;
};

class WebglRaster final : public fixedgl::RasterSink {
  public:
    // Recording (webgl_raster.cpp).
    void setViewport(int x, int y, int width, int height) override;
    void clear(unsigned mask, const float colour[4], double depth) override;
    fixedgl::ShadedVertex* appendShaded(fixedgl::Primitive primitive, int count,
                                        const fixedgl::DrawState& state) override;
    fixedgl::ShadedVertex* appendWideLines(int lines, int width,
                                           const fixedgl::DrawState& state) override;
    fixedgl::ClipVertex* appendClip(fixedgl::Primitive primitive, int count,
                                    const fixedgl::RasterState& raster,
                                    unsigned rasterSerial) override;
    void drawKept(const std::shared_ptr<fixedgl::KeptVertices>& kept, int first, int count,
                  const fixedgl::CurrentValues& current, const fixedgl::DrawState& state) override;
    void drawArrayTriangles(const fixedgl::ArrayTriangles& arrays,
                            const fixedgl::CurrentValues& current,
                            const fixedgl::DrawState& state) override;

    // With a new context: everything of the old one forgotten, the programs
    // begun and the buffers made; then the programs linked: false, with the
    // reason and everything forgotten, when they cannot be.
    void start();
    bool finishStart(std::string& error);
    void forget();

    // Making the frame's draws (webgl_raster_flush.cpp).
    void flush();

    // The programs the draws recorded so far need, begun and not waited
    // for, and those draws forgotten; whether the begun ones are linked.
    void prepare();
    bool prepared();

  private:
    Draw& newDraw(Source source, fixedgl::Primitive primitive, std::uint32_t first,
                  const fixedgl::DrawState* state, const fixedgl::RasterState& raster,
                  unsigned rasterSerial, int lineWidth = 0);
    std::uint32_t lightingIndex(const fixedgl::LightingState& lighting, unsigned serial);
    void expandTriangles(const fixedgl::ShadedVertex* vertices, const std::uint32_t* indices,
                         int count, const fixedgl::CurrentValues& current,
                         const fixedgl::DrawState& state);
    void discard();

    ProgramInUse* programFor(std::uint64_t key);
    bool setState(const Draw& draw, Applied& applied);
    void pointSource(const Draw& draw, Applied& applied);
    void pointLines(const Draw& draw, Applied& applied);
    void make(const Draw& draw, Applied& applied);
    void uploadFrame();

    std::vector<ProgramInUse> programs;  // made as their keys are first drawn with
    bool programFailed = false;
    bool parallelLinking = false;  // KHR_parallel_shader_compile: the browser says when
    VertexStore store;
    ArrayUploads arrayUploads;
    GLuint clipBuffer = 0;
    Growing<fixedgl::ClipVertex> clipVertices;
    // Wide lines' ends, two a line, drawn as instances of a quad's six corners
    // where the context has instancing.
    bool instancing = false;
    bool divisorsOn = false;  // the first attributes go one a line (context state)
    GLuint lineBuffer = 0, cornerBuffer = 0;
    Growing<fixedgl::ShadedVertex> lineEnds;
    int viewportWidth = 0, viewportHeight = 0;
    std::vector<Draw> draws;
    std::vector<ArrayDraw> arrayDraws;
    StateTable<fixedgl::TransformState> transforms;
    std::vector<LightingUniforms> lightings;
    unsigned lastLightingSerial = 0;
    StateTable<fixedgl::RasterState> rasters;
};

}  // namespace web
