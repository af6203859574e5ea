// fixed_arrays.cpp -- client vertex arrays and glDrawElements: triangles handed on as arrays
// for the rasteriser to keep (the terrain), other modes assembled as a begin/end block.
#include <GL/gl.h>

#include "platform/web/fixed_assembly.h"
#include "platform/web/fixed_context.h"
#include "platform/web/fixed_gl.h"

namespace fixedgl {

void enableClientState(GLenum array) {
    if (array == GL_VERTEX_ARRAY)
        context.vertexArray = true;
    else if (array == GL_COLOR_ARRAY)
        context.colorArray = true;
    else
        setError(GL_INVALID_ENUM);
}

void disableClientState(GLenum array) {
    if (array == GL_VERTEX_ARRAY)
        context.vertexArray = false;
    else if (array == GL_COLOR_ARRAY)
        context.colorArray = false;
    else
        setError(GL_INVALID_ENUM);
}

void vertexPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) {
    if (size < 2 || size > 4 || stride < 0) {
        setError(GL_INVALID_VALUE);
        return;
    }
    if (type != GL_FLOAT) {
        setError(GL_INVALID_ENUM);
        return;
    }
    context.vertexSize = size;
    context.vertexType = type;
    context.vertexStride = stride;
    context.vertexPointer = pointer;
}

void colorPointer(GLint size, GLenum type, GLsizei stride, const void* pointer) {
    if (size < 3 || size > 4 || stride < 0) {
        setError(GL_INVALID_VALUE);
        return;
    }
    if (type != GL_FLOAT) {
        setError(GL_INVALID_ENUM);
        return;
    }
    context.colorSize = size;
    context.colorType = type;
    context.colorStride = stride;
    context.colorPointer = pointer;
}

static unsigned arrayIndex(GLenum type, const void* indices, int i) {
    if (type == GL_UNSIGNED_INT)
        return static_cast<const GLuint*>(indices)[i];
    if (type == GL_UNSIGNED_SHORT)
        return static_cast<const GLushort*>(indices)[i];
    return static_cast<const GLubyte*>(indices)[i];
}

static ClientArray clientArray(const void* pointer, GLint size, GLsizei stride) {
    return ClientArray{pointer, size,
                       stride != 0 ? static_cast<std::size_t>(stride) : sizeof(float) * size};
}

static const float* element(const ClientArray& array, unsigned index) {
    return reinterpret_cast<const float*>(static_cast<const unsigned char*>(array.pointer) +
                                          array.stride * index);
}

// The elements as a block's vertices with the current normal (and colour, without a colour
// array), assembled in the mode's order.
static void assembleElements(GLenum mode, const ClientArray& positions, const ClientArray& colours,
                             GLsizei count, GLenum type, const void* indices) {
    std::vector<ShadedVertex>& block = context.primitive;
    block.clear();
    const float* c = context.colour;
    const float* n = context.normal;
    for (int i = 0; i < count; ++i) {
        const unsigned index = arrayIndex(type, indices, i);
        const float* p = element(positions, index);
        ShadedVertex v = {
            p[0], p[1], positions.size > 2 ? p[2] : 0.0f, c[0], c[1], c[2], c[3], n[0], n[1], n[2]};
        if (colours.pointer != nullptr) {
            const float* e = element(colours, index);
            v.r = e[0];
            v.g = e[1];
            v.b = e[2];
            v.a = colours.size == 4 ? e[3] : 1.0f;
        }
        block.push_back(v);
    }
    assemble(mode, block.data(), count);
    block.clear();
}

void drawElements(GLenum mode, GLsizei count, GLenum type, const void* indices) {
    if (insideBegin())
        return;
    if (!isValidMode(mode) ||
        (type != GL_UNSIGNED_INT && type != GL_UNSIGNED_SHORT && type != GL_UNSIGNED_BYTE)) {
        setError(GL_INVALID_ENUM);
        return;
    }
    if (count < 0) {
        setError(GL_INVALID_VALUE);
        return;
    }
    if (!context.vertexArray || count == 0)
        return;
    const ClientArray positions =
        clientArray(context.vertexPointer, context.vertexSize, context.vertexStride);
    const ClientArray colours =
        context.colorArray
            ? clientArray(context.colorPointer, context.colorSize, context.colorStride)
            : ClientArray{nullptr, 0, 0};
    if (mode == GL_TRIANGLES && positions.size == 3 && count >= 3) {
        if (rasterSink != nullptr) {
            const ArrayTriangles arrays = {positions, colours, type, indices, count - count % 3};
            rasterSink->drawArrayTriangles(arrays, currentValues(colours.pointer == nullptr, true),
                                           drawState());
        }
    } else {
        assembleElements(mode, positions, colours, count, type, indices);
    }
    // The current colour stays as it was, as the desktop's OpenGL leaves it
    // (GL leaves it undefined after a colour array).
}

}  // namespace fixedgl
