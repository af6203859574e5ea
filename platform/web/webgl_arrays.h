// webgl_arrays.h -- client vertex arrays kept in GPU buffers for as long as their contents stay
// the same (the terrain's change only with a new landscape), and each frame's element indices.
#pragma once

#include <GLES2/gl2.h>

#include <cstddef>
#include <memory>
#include <vector>

#include "platform/web/raster_sink.h"

namespace web {

// What one array draw is drawn from.
struct ArrayDraw {
    GLuint position;
    GLuint colour;  // 0: the current colour
    fixedgl::ClientArray positionLayout;
    fixedgl::ClientArray colourLayout;  // pointers unused: offsets are 0
    GLuint indices;
    GLenum indexType;
    GLsizei count;
};

class ArrayUploads {
  public:
    // A new context: every GPU object is forgotten (not deleted: it went with
    // the old context), and made again when next needed.
    void forget();

    // With 32-bit indices (OES_element_index_uint) or without them.
    void setUintIndices(bool available) { uintIndices = available; }

    // Reads the arrays and indices now and puts them in GPU buffers, unless
    // the arrays are the same as before. False when the indices reach past
    // what 16-bit indices can say and 32-bit ones are missing.
    bool prepare(const fixedgl::ArrayTriangles& arrays, ArrayDraw& draw);

    // After the frame's draws: the buffers they no longer need go.
    void endFrame();

  private:
    struct Cached {
        const void* pointer;
        std::size_t stride;
        int size;
        std::vector<unsigned char> copy;  // the bytes in `buffer`
        GLuint buffer;
        unsigned long long lastUse;
    };

    GLuint arrayBuffer(const fixedgl::ClientArray& array, std::size_t elements);

    std::vector<Cached> cached;
    std::vector<GLuint> indexBuffers;  // one for each array draw of a frame
    std::size_t indexBuffersUsed = 0;
    std::vector<GLuint> retired;  // replaced this frame, deleted after it
    std::vector<unsigned short> shortIndices;
    unsigned long long uses = 0;
    bool uintIndices = false;
};

}  // namespace web
