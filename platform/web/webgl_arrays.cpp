// webgl_arrays.cpp -- client arrays compared with the copy last uploaded and uploaded again only
// when they differ; element indices uploaded for each draw (16-bit where 32-bit ones are missing).
#include "platform/web/webgl_arrays.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace web {

// Arrays kept at once: the terrain's positions and colours, and room for a few more.
constexpr std::size_t kMostCached = 8;

// Whether the `n` bytes are equal, eight at a time: the terrain's arrays are
// compared every frame.
static bool sameBytes(const unsigned char* a, const unsigned char* b, std::size_t n) {
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        std::uint64_t x, y;
        std::memcpy(&x, a + i, 8);
        std::memcpy(&y, b + i, 8);
        if (x != y)
            return false;
    }
    return std::memcmp(a + i, b + i, n - i) == 0;
}

static unsigned largestIndex(GLenum type, const void* indices, int count) {
    unsigned largest = 0;
    if (type == GL_UNSIGNED_INT) {
        const auto* p = static_cast<const std::uint32_t*>(indices);
        for (int i = 0; i < count; ++i)
            largest = std::max(largest, p[i]);
    } else if (type == GL_UNSIGNED_SHORT) {
        const auto* p = static_cast<const std::uint16_t*>(indices);
        for (int i = 0; i < count; ++i)
            largest = std::max(largest, static_cast<unsigned>(p[i]));
    } else {
        const auto* p = static_cast<const std::uint8_t*>(indices);
        for (int i = 0; i < count; ++i)
            largest = std::max(largest, static_cast<unsigned>(p[i]));
    }
    return largest;
}

static std::size_t indexBytes(GLenum type) {
    return type == GL_UNSIGNED_INT ? 4 : (type == GL_UNSIGNED_SHORT ? 2 : 1);
}

void ArrayUploads::forget() {
    cached.clear();
    indexBuffers.clear();
    indexBuffersUsed = 0;
    retired.clear();
}

GLuint ArrayUploads::arrayBuffer(const fixedgl::ClientArray& array, std::size_t elements) {
    const std::size_t bytes = array.stride * (elements - 1) + sizeof(float) * array.size;
    const auto* source = static_cast<const unsigned char*>(array.pointer);
    auto found = std::find_if(cached.begin(), cached.end(), [&array](const Cached& c) {
        return c.pointer == array.pointer && c.stride == array.stride && c.size == array.size;
    });
    if (found != cached.end()) {
        found->lastUse = ++uses;
        if (found->copy.size() >= bytes && sameBytes(found->copy.data(), source, bytes))
            return found->buffer;
        // Changed: a new buffer, since a draw of this frame may use the old one.
        retired.push_back(found->buffer);
    } else {
        if (cached.size() == kMostCached) {
            const auto oldest = std::min_element(
                cached.begin(), cached.end(),
                [](const Cached& a, const Cached& b) { return a.lastUse < b.lastUse; });
            retired.push_back(oldest->buffer);
            cached.erase(oldest);
        }
        cached.push_back(Cached{array.pointer, array.stride, array.size, {}, 0, ++uses});
        found = cached.end() - 1;
    }
    found->copy.assign(source, source + bytes);
    glGenBuffers(1, &found->buffer);
    glBindBuffer(GL_ARRAY_BUFFER, found->buffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(bytes), source, GL_STATIC_DRAW);
    return found->buffer;
}

bool ArrayUploads::prepare(const fixedgl::ArrayTriangles& arrays, ArrayDraw& draw) {
    const unsigned largest = largestIndex(arrays.indexType, arrays.indices, arrays.count);
    const bool narrow = arrays.indexType == GL_UNSIGNED_INT && !uintIndices;
    if (narrow && largest > 0xFFFF)
        return false;
    draw.position = arrayBuffer(arrays.position, largest + 1u);
    draw.colour = arrays.colour.pointer != nullptr ? arrayBuffer(arrays.colour, largest + 1u) : 0;
    draw.positionLayout = arrays.position;
    draw.colourLayout = arrays.colour;
    draw.count = arrays.count;
    if (indexBuffersUsed == indexBuffers.size()) {
        GLuint buffer = 0;
        glGenBuffers(1, &buffer);
        indexBuffers.push_back(buffer);
    }
    draw.indices = indexBuffers[indexBuffersUsed++];
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, draw.indices);
    if (narrow) {
        const auto* wide = static_cast<const std::uint32_t*>(arrays.indices);
        shortIndices.assign(wide, wide + arrays.count);
        glBufferData(GL_ELEMENT_ARRAY_BUFFER,
                     static_cast<GLsizeiptr>(shortIndices.size() * sizeof(unsigned short)),
                     shortIndices.data(), GL_STREAM_DRAW);
        draw.indexType = GL_UNSIGNED_SHORT;
    } else {
        glBufferData(GL_ELEMENT_ARRAY_BUFFER,
                     static_cast<GLsizeiptr>(arrays.count * indexBytes(arrays.indexType)),
                     arrays.indices, GL_STREAM_DRAW);
        draw.indexType = arrays.indexType;
    }
    return true;
}

void ArrayUploads::endFrame() {
    indexBuffersUsed = 0;
    if (!retired.empty()) {
        glDeleteBuffers(static_cast<GLsizei>(retired.size()), retired.data());
        retired.clear();
    }
}

}  // namespace web
