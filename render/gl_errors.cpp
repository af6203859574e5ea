// gl_errors.cpp -- draining and naming OpenGL's error flags.
#include "render/gl_errors.h"

#include <GL/gl.h>

#include <cstdio>

namespace render {

// An implementation keeps one flag per kind of error, so a handful of reads
// empties them all; the bound only stops a context that keeps answering.
static constexpr int kMaxErrorReads = 32;

std::string glErrorName(unsigned int error) {
    switch (error) {
        case GL_INVALID_ENUM:
            return "GL_INVALID_ENUM";
        case GL_INVALID_VALUE:
            return "GL_INVALID_VALUE";
        case GL_INVALID_OPERATION:
            return "GL_INVALID_OPERATION";
        case GL_STACK_OVERFLOW:
            return "GL_STACK_OVERFLOW";
        case GL_STACK_UNDERFLOW:
            return "GL_STACK_UNDERFLOW";
        case GL_OUT_OF_MEMORY:
            return "GL_OUT_OF_MEMORY";
        default: {
            char text[32];
            std::snprintf(text, sizeof text, "GL error 0x%04X", error);
            return text;
        }
    }
}

std::string drainGlErrors() {
    std::string names;
    for (int read = 0; read < kMaxErrorReads; ++read) {
        const GLenum error = glGetError();
        if (error == GL_NO_ERROR)
            break;
        if (!names.empty())
            names += ", ";
        names += glErrorName(error);
    }
    return names;
}

}  // namespace render
