// webgl_vertex_store.cpp -- the vertex buffer's kept and frame parts in new storage every frame,
// and the kept lists' indices rebased onto where their vertices are.
#include "platform/web/webgl_vertex_store.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace web {

using fixedgl::KeptVertices;
using fixedgl::ShadedVertex;

// First sizes: the kept part in vertices (the shapes' lists need about 1,600)
// and their indices in bytes (about 18,000), the frame's part in vertices
// (about 60,000 in the rain).
constexpr std::size_t kFirstKeptCapacity = 1 << 14;
constexpr std::size_t kFirstIndexCapacity = 1 << 17;
constexpr std::size_t kFirstFrameCapacity = 1 << 16;
// What 16-bit indices reach.
constexpr std::size_t kShortIndexReach = 1 << 16;

void VertexStore::forget() {
    vertices = indices = 0;
    keptCapacity = frameCapacity = keptUsed = 0;
    indexCapacity = indexUsed = 0;
    generation += 1;
    frameVertices.clear();
}

void VertexStore::start(bool uint) {
    forget();
    uintIndices = uint;
    GLuint buffers[2] = {};
    glGenBuffers(2, buffers);
    vertices = buffers[0];
    indices = buffers[1];
}

bool VertexStore::canKeep(const KeptVertices& kept) const {
    return uintIndices || kept.vertices.size() <= kShortIndexReach;
}

// New storage for both buffers, empty but for the frame's vertices: the last
// frame's draws keep the storage they were given.
void VertexStore::sizeBuffers(std::size_t kept, std::size_t frame, std::size_t indexBytes) {
    keptCapacity = kept;
    frameCapacity = frame;
    indexCapacity = indexBytes;
    keptUsed = indexUsed = 0;
    generation += 1;
    glBindBuffer(GL_ARRAY_BUFFER, vertices);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>((kept + frame) * sizeof(ShadedVertex)),
                 nullptr, GL_STREAM_DRAW);
    if (frameVertices.size() > 0) {
        glBufferSubData(GL_ARRAY_BUFFER, static_cast<GLintptr>(kept * sizeof(ShadedVertex)),
                        static_cast<GLsizeiptr>(frameVertices.size() * sizeof(ShadedVertex)),
                        frameVertices.data());
    }
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indices);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indexBytes), nullptr,
                 GL_STREAM_DRAW);
}

void VertexStore::uploadFrame() {
    std::size_t frame = std::max(frameCapacity, kFirstFrameCapacity);
    while (frame < frameVertices.size())
        frame *= 2;
    sizeBuffers(std::max(keptCapacity, kFirstKeptCapacity), frame,
                std::max(indexCapacity, kFirstIndexCapacity));
}

void VertexStore::place(KeptVertices& kept) {
    if (kept.generation == generation)
        return;
    const std::size_t n = kept.vertices.size();
    const std::size_t bytes = kept.indices.size() * (uintIndices ? 4 : 2);
    if (keptUsed + n > keptCapacity || indexUsed + bytes > indexCapacity) {
        // Larger storage; the lists placed before in this frame go again.
        std::size_t capacity = keptCapacity;
        while (capacity < keptUsed + n)
            capacity *= 2;
        if (!uintIndices)
            capacity = std::min(capacity, kShortIndexReach);
        std::size_t indexBytes = indexCapacity;
        while (indexBytes < indexUsed + bytes)
            indexBytes *= 2;
        sizeBuffers(capacity, frameCapacity, indexBytes);
    }
    glBindBuffer(GL_ARRAY_BUFFER, vertices);
    glBufferSubData(GL_ARRAY_BUFFER, static_cast<GLintptr>(keptUsed * sizeof(ShadedVertex)),
                    static_cast<GLsizeiptr>(n * sizeof(ShadedVertex)), kept.vertices.data());
    // The indices point at where the vertices now are.
    placedIndices.resize(bytes);
    const auto base = static_cast<std::uint32_t>(keptUsed);
    for (std::size_t i = 0; i < kept.indices.size(); ++i) {
        const std::uint32_t index = base + kept.indices[i];
        if (uintIndices) {
            std::memcpy(&placedIndices[4 * i], &index, 4);
        } else {
            const auto narrow = static_cast<std::uint16_t>(index);
            std::memcpy(&placedIndices[2 * i], &narrow, 2);
        }
    }
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, indices);
    glBufferSubData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLintptr>(indexUsed),
                    static_cast<GLsizeiptr>(bytes), placedIndices.data());
    kept.offset = keptUsed;
    kept.indexBytes = indexUsed;
    kept.indexType = uintIndices ? GL_UNSIGNED_INT : GL_UNSIGNED_SHORT;
    kept.generation = generation;
    keptUsed += n;
    indexUsed += bytes;
}

}  // namespace web
