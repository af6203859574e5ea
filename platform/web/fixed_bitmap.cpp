// fixed_bitmap.cpp -- the raster position and glBitmap, drawn as one point per set bit, and
// the pixel-store and attribute stacks the overlay's text uses around them.
#include <GL/gl.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "platform/web/fixed_context.h"
#include "platform/web/fixed_gl.h"

namespace fixedgl {

void rasterPos2f(GLfloat x, GLfloat y) {
    if (compiledOnly(ListOp::rasterPos, 0, x, y) || context.primitiveMode != kNoBlock) {
        if (context.primitiveMode != kNoBlock)
            setError(GL_INVALID_OPERATION);
        return;
    }
    const float* c = context.colour;
    const float* n = context.normal;
    const ClipVertex v =
        processVertex(ShadedVertex{x, y, 0.0f, c[0], c[1], c[2], c[3], n[0], n[1], n[2]});
    // A position outside the view volume makes the raster position invalid:
    // bitmaps then draw nothing and move nothing.
    context.rasterValid =
        v.w > 0.0f && std::fabs(v.x) <= v.w && std::fabs(v.y) <= v.w && std::fabs(v.z) <= v.w;
    if (!context.rasterValid)
        return;
    const int* vp = context.viewport;
    context.rasterPos[0] =
        (v.x / v.w + 1.0f) * 0.5f * static_cast<float>(vp[2]) + static_cast<float>(vp[0]);
    context.rasterPos[1] =
        (v.y / v.w + 1.0f) * 0.5f * static_cast<float>(vp[3]) + static_cast<float>(vp[1]);
    context.rasterPos[2] = (v.z / v.w + 1.0f) * 0.5f;
    const float colour[4] = {v.r, v.g, v.b, v.a};
    std::memcpy(context.rasterColour, colour, sizeof colour);
    context.rasterFog = v.fog;
}

// Bytes per bitmap row under the unpack alignment.
static std::size_t rowStride(GLsizei width, int alignment) {
    const std::size_t bytes = (static_cast<std::size_t>(width) + 7) / 8;
    const std::size_t a = static_cast<std::size_t>(alignment);
    return (bytes + a - 1) / a * a;
}

// Fragments at floor(raster - origin) + (column, row) for every set bit, the
// leftmost pixel in a byte's highest bit, rows from the bottom up; then the
// raster position moves on.
static void drawBitmap(GLsizei width, GLsizei height, GLfloat xorig, GLfloat yorig, GLfloat xmove,
                       GLfloat ymove, const GLubyte* bits, std::size_t stride) {
    if (!context.rasterValid)
        return;
    const int* vp = context.viewport;
    if (bits != nullptr && vp[2] > 0 && vp[3] > 0) {
        const float left = std::floor(context.rasterPos[0] - xorig);
        const float bottom = std::floor(context.rasterPos[1] - yorig);
        const float z = context.rasterPos[2] * 2.0f - 1.0f;
        const float* colour = context.rasterColour;
        static std::vector<ClipVertex> points;
        points.clear();
        for (int row = 0; row < height; ++row) {
            const GLubyte* line = bits + stride * static_cast<std::size_t>(row);
            for (int column = 0; column < width; ++column) {
                if ((line[column / 8] & (0x80 >> (column % 8))) == 0)
                    continue;
                const float px = left + static_cast<float>(column) + 0.5f;
                const float py = bottom + static_cast<float>(row) + 0.5f;
                points.push_back(ClipVertex{
                    (px - static_cast<float>(vp[0])) / static_cast<float>(vp[2]) * 2.0f - 1.0f,
                    (py - static_cast<float>(vp[1])) / static_cast<float>(vp[3]) * 2.0f - 1.0f, z,
                    1.0f, colour[0], colour[1], colour[2], colour[3], context.rasterFog});
            }
        }
        emitClip(Primitive::points, points.data(), static_cast<int>(points.size()));
    }
    context.rasterPos[0] += xmove;
    context.rasterPos[1] += ymove;
}

void bitmap(GLsizei width, GLsizei height, GLfloat xorig, GLfloat yorig, GLfloat xmove,
            GLfloat ymove, const GLubyte* bits) {
    if (context.primitiveMode != kNoBlock) {
        setError(GL_INVALID_OPERATION);
        return;
    }
    if (width < 0 || height < 0) {
        setError(GL_INVALID_VALUE);
        return;
    }
    const std::size_t stride = rowStride(width, context.unpackAlignment);
    if (context.compilingList != 0 && context.replayDepth == 0) {
        // The list keeps the bits unpacked as they are now, tightly in rows.
        DisplayList& list = context.compiling;
        std::vector<GLubyte> kept;
        const std::size_t rowBytes = (static_cast<std::size_t>(width) + 7) / 8;
        if (bits != nullptr) {
            for (int row = 0; row < height; ++row) {
                const GLubyte* line = bits + stride * static_cast<std::size_t>(row);
                kept.insert(kept.end(), line, line + rowBytes);
            }
        }
        list.bitmaps.push_back(std::move(kept));
        compiledOnly(ListOp::bitmap, static_cast<std::uint32_t>(list.bitmaps.size() - 1), width,
                     height, xorig, yorig, xmove, ymove);
        if (!context.compileAndExecute)
            return;
    }
    drawBitmap(width, height, xorig, yorig, xmove, ymove, bits, stride);
}

// The list side of bitmap: its kept bits, packed in rows.
void runListBitmap(const ListCommand& command, const DisplayList& list) {
    const auto width = static_cast<GLsizei>(command.a[0]);
    const std::vector<GLubyte>& bits = list.bitmaps[command.data];
    drawBitmap(width, static_cast<GLsizei>(command.a[1]), static_cast<float>(command.a[2]),
               static_cast<float>(command.a[3]), static_cast<float>(command.a[4]),
               static_cast<float>(command.a[5]), bits.empty() ? nullptr : bits.data(),
               (static_cast<std::size_t>(width) + 7) / 8);
}

void pixelStorei(GLenum name, GLint value) {
    switch (name) {
        case GL_UNPACK_ALIGNMENT:
        case GL_PACK_ALIGNMENT:
            if (value != 1 && value != 2 && value != 4 && value != 8) {
                setError(GL_INVALID_VALUE);
                return;
            }
            if (name == GL_UNPACK_ALIGNMENT)
                context.unpackAlignment = value;
            return;
        case GL_UNPACK_ROW_LENGTH:
        case GL_UNPACK_SKIP_ROWS:
        case GL_UNPACK_SKIP_PIXELS:
        case GL_UNPACK_LSB_FIRST:
        case GL_UNPACK_SWAP_BYTES:
        case GL_PACK_ROW_LENGTH:
        case GL_PACK_SKIP_ROWS:
        case GL_PACK_SKIP_PIXELS:
            // Only their defaults are supported; bitmaps are read as packed rows.
            if (value != 0)
                setError(GL_INVALID_VALUE);
            return;
        default:
            setError(GL_INVALID_ENUM);
            return;
    }
}

void pushClientAttrib(GLbitfield) {
    if (context.clientAttribStack.size() >= 16) {
        setError(GL_STACK_OVERFLOW);
        return;
    }
    context.clientAttribStack.push_back(context.unpackAlignment);
}

void popClientAttrib() {
    if (context.clientAttribStack.empty()) {
        setError(GL_STACK_UNDERFLOW);
        return;
    }
    context.unpackAlignment = context.clientAttribStack.back();
    context.clientAttribStack.pop_back();
}

// Only the list group is kept: the one attribute the drawing saves.
void pushAttrib(GLbitfield) {
    if (context.primitiveMode != kNoBlock) {
        setError(GL_INVALID_OPERATION);
        return;
    }
    if (context.attribStack.size() >= 16) {
        setError(GL_STACK_OVERFLOW);
        return;
    }
    context.attribStack.push_back(context.listBase);
}

void popAttrib() {
    if (context.primitiveMode != kNoBlock) {
        setError(GL_INVALID_OPERATION);
        return;
    }
    if (context.attribStack.empty()) {
        setError(GL_STACK_UNDERFLOW);
        return;
    }
    context.listBase = context.attribStack.back();
    context.attribStack.pop_back();
}

}  // namespace fixedgl
