// offscreen/osmesa_context.cpp -- OSMesa rendering contexts drawing into a buffer in memory.
#include <GL/osmesa.h>

#include <cstddef>
#include <cstring>
#include <new>

#include "platform/offscreen_context.h"

namespace platform {

struct OffscreenContext {
    OSMesaContext mesa = nullptr;
    int width = 0;
    int height = 0;
    std::vector<unsigned char> buffer;  // RGBA, bottom row first
};

OffscreenContext* createOffscreenContext(int width, int height) {
    if (width <= 0 || height <= 0)
        return nullptr;
    OffscreenContext* context = new (std::nothrow) OffscreenContext;
    if (context == nullptr)
        return nullptr;
    static const GLint kDepthBits[] = {32, 24, 16};
    for (GLint bits : kDepthBits) {
        context->mesa = OSMesaCreateContextExt(OSMESA_RGBA, bits, 0, 0, nullptr);
        if (context->mesa != nullptr)
            break;
    }
    context->width = width;
    context->height = height;
    if (context->mesa == nullptr) {
        delete context;
        return nullptr;
    }
    context->buffer.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4,
                           0);
    if (!makeOffscreenContextCurrent(context)) {
        destroyOffscreenContext(context);
        return nullptr;
    }
    return context;
}

bool makeOffscreenContextCurrent(OffscreenContext* context) {
    if (context == nullptr)
        return false;
    return OSMesaMakeCurrent(context->mesa, context->buffer.data(), GL_UNSIGNED_BYTE,
                             context->width, context->height) == GL_TRUE;
}

void readOffscreenPixels(OffscreenContext* context, std::vector<unsigned char>& rgb) {
    glFinish();
    const std::size_t width = static_cast<std::size_t>(context->width);
    const std::size_t height = static_cast<std::size_t>(context->height);
    rgb.resize(width * height * 3);
    for (std::size_t row = 0; row < height; ++row) {
        const unsigned char* source = context->buffer.data() + (height - 1 - row) * width * 4;
        unsigned char* target = rgb.data() + row * width * 3;
        for (std::size_t x = 0; x < width; ++x) {
            std::memcpy(target + x * 3, source + x * 4, 3);
        }
    }
}

void destroyOffscreenContext(OffscreenContext* context) {
    if (context == nullptr)
        return;
    if (context->mesa != nullptr) {
        if (OSMesaGetCurrentContext() == context->mesa) {
            OSMesaMakeCurrent(nullptr, nullptr, GL_UNSIGNED_BYTE, 0, 0);
        }
        OSMesaDestroyContext(context->mesa);
    }
    delete context;
}

}  // namespace platform
