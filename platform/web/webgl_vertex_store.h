// webgl_vertex_store.h -- the rasteriser's vertex buffer: display lists' kept vertices first,
// then the frame's, so that list draws and the frame's draws between them share attribute
// pointers; and the kept lists' indices in a buffer of their own. Both get new storage every
// frame, so that no upload waits for the GPU to be done with the last frame's: the frame's
// vertices go in whole, the lists' as they are drawn.
#pragma once

#include <GLES2/gl2.h>

#include <cstddef>
#include <vector>

#include "platform/web/raster_sink.h"
#include "platform/web/webgl_growing.h"

namespace web {

class VertexStore {
  public:
    // With a new context current: forgets the buffers of an earlier one (gone
    // with it) and makes its own. Without 32-bit indices a kept list is
    // indexed in 16 bits, so the kept part holds at most 65,536 vertices.
    void start(bool uintIndices);

    // Everything made in an earlier context is gone with it.
    void forget();

    // The frame's vertices, collected until the flush.
    Growing<fixedgl::ShadedVertex>& frame() { return frameVertices; }

    // At a flush, before its draws: new storage, the frame's vertices in it.
    void uploadFrame();

    // The buffer's first vertex of the frame's.
    std::size_t frameBase() const { return keptCapacity; }

    // Whether the list can be kept: always with 32-bit indices.
    bool canKeep(const fixedgl::KeptVertices& kept) const;

    // The list's vertices and indices in this frame's storage, uploaded unless
    // they are there; the kept part made larger when it is full.
    void place(fixedgl::KeptVertices& kept);

    GLuint vertexBuffer() const { return vertices; }
    GLuint indexBuffer() const { return indices; }

  private:
    void sizeBuffers(std::size_t kept, std::size_t frame, std::size_t indexBytes);

    GLuint vertices = 0, indices = 0;
    bool uintIndices = false;
    std::size_t keptCapacity = 0, frameCapacity = 0, keptUsed = 0;  // vertices
    std::size_t indexCapacity = 0, indexUsed = 0;                   // bytes
    unsigned generation = 1;  // KeptVertices of another are not in this frame's storage
    Growing<fixedgl::ShadedVertex> frameVertices;
    std::vector<unsigned char> placedIndices;
};

}  // namespace web
