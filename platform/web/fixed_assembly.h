// fixed_assembly.h -- a begin/end block's vertices as triangles or lines, for the immediate
// vertices and the display lists alike. Quads, quad strips and polygons are split along the
// same diagonals as the desktop's OpenGL (Mesa) fills them, so that smooth colours run the same
// way across them. (Its feedback mode reports quads split along the other diagonal.)
#pragma once

#include <GL/gl.h>

namespace fixedgl {

inline bool isValidMode(GLenum mode) {
    return mode <= GL_POLYGON;  // GL_POINTS (0) .. GL_POLYGON (9)
}

inline bool isTriangleMode(GLenum mode) {
    return mode == GL_TRIANGLES || mode == GL_TRIANGLE_STRIP || mode == GL_TRIANGLE_FAN ||
           mode == GL_QUADS || mode == GL_QUAD_STRIP || mode == GL_POLYGON;
}

inline bool isLineMode(GLenum mode) {
    return mode == GL_LINES || mode == GL_LINE_STRIP || mode == GL_LINE_LOOP;
}

// The number of triangles `n` vertices make in a triangle mode.
inline int triangleCount(GLenum mode, int n) {
    switch (mode) {
        case GL_TRIANGLES:
            return n / 3;
        case GL_QUADS:
            return n / 4 * 2;
        case GL_QUAD_STRIP:
            return n >= 4 ? (n / 2 - 1) * 2 : 0;
        default:  // strips, fans and polygons
            return n >= 3 ? n - 2 : 0;
    }
}

// Calls `triangle(a, b, c)` with the vertex numbers of every triangle, in order.
template <typename Triangle>
void forEachTriangle(GLenum mode, int n, Triangle triangle) {
    switch (mode) {
        case GL_TRIANGLES:
            for (int i = 0; i + 2 < n; i += 3)
                triangle(i, i + 1, i + 2);
            break;
        case GL_TRIANGLE_STRIP:
            for (int i = 0; i + 2 < n; ++i) {
                if (i % 2 == 0)
                    triangle(i, i + 1, i + 2);
                else
                    triangle(i + 1, i, i + 2);
            }
            break;
        case GL_TRIANGLE_FAN:
            for (int i = 1; i + 1 < n; ++i)
                triangle(0, i, i + 1);
            break;
        case GL_QUADS:
            for (int i = 0; i + 3 < n; i += 4) {
                triangle(i, i + 1, i + 2);
                triangle(i, i + 2, i + 3);
            }
            break;
        case GL_QUAD_STRIP:
            for (int i = 0; i + 3 < n; i += 2) {
                triangle(i + 2, i, i + 3);
                triangle(i, i + 1, i + 3);
            }
            break;
        case GL_POLYGON:
            for (int i = 1; i + 1 < n; ++i)
                triangle(i, i + 1, 0);
            break;
        default:
            break;
    }
}

// The number of lines `n` vertices make in a line mode.
inline int lineCount(GLenum mode, int n) {
    if (mode == GL_LINES)
        return n / 2;
    if (n < 2)
        return 0;
    return mode == GL_LINE_LOOP && n > 2 ? n : n - 1;
}

// Calls `line(a, b)` with the vertex numbers of every line, in order.
template <typename Line>
void forEachLine(GLenum mode, int n, Line line) {
    if (mode == GL_LINES) {
        for (int i = 0; i + 1 < n; i += 2)
            line(i, i + 1);
        return;
    }
    for (int i = 0; i + 1 < n; ++i)
        line(i, i + 1);
    if (mode == GL_LINE_LOOP && n > 2)
        line(n - 1, 0);
}

}  // namespace fixedgl
