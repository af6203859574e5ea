// sdl/gl_context.cpp -- device contexts, pixel formats, OpenGL contexts and the buffer swap on
// SDL2.
#include "platform/gl_context.h"

#include <SDL.h>

#include <cstdio>
#include <vector>

#include "platform/sdl/state.h"

namespace platform {

// The window's visual is its one pixel format.
static constexpr int kWindowFormat = 1;

// Live rendering contexts, from creation to deletion.
static std::vector<RenderingContext*> liveContexts;

RenderingContext* findRenderingContext(const RenderingContext* renderingContext) {
    for (RenderingContext* live : liveContexts) {
        if (live == renderingContext)
            return live;
    }
    return nullptr;
}

static void forgetContext(RenderingContext* context) {
    for (auto it = liveContexts.begin(); it != liveContexts.end(); ++it) {
        if (*it == context) {
            liveContexts.erase(it);
            break;
        }
    }
}

void forgetWindowRenderingContexts(Window* window) {
    std::vector<RenderingContext*> orphans;
    for (RenderingContext* live : liveContexts) {
        if (live->window == window)
            orphans.push_back(live);
    }
    for (RenderingContext* orphan : orphans)
        wglDeleteContext(orphan);
}

// The window of a device context that belongs to a live window; null otherwise.
static Window* windowOf(DeviceContext* deviceContext) {
    if (deviceContext == nullptr)
        return nullptr;
    Window* window = findWindow(deviceContext->window);
    return window != nullptr && &window->deviceContext == deviceContext ? window : nullptr;
}

DeviceContext* getDC(Window* window) {
    Window* live = findWindow(window);
    return live != nullptr ? &live->deviceContext : nullptr;
}

bool releaseDC(Window* window, DeviceContext* deviceContext) {
    Window* owner = windowOf(deviceContext);
    return owner != nullptr && owner == window;
}

int choosePixelFormat(DeviceContext* deviceContext, const PixelFormatRequest& request) {
    if (windowOf(deviceContext) == nullptr)
        return 0;
    // Every window offers one format: double-buffered RGBA drawn by OpenGL
    // with the deepest depth buffer the system had (up to 32 bits). It is the
    // closest match to any request for a window drawn by OpenGL in RGBA.
    const std::uint32_t needed = kPfdDrawToWindow | kPfdSupportOpenGl;
    if ((request.flags & needed) != needed || request.pixelType != kPfdTypeRgba)
        return 0;
    return kWindowFormat;
}

bool setPixelFormat(DeviceContext* deviceContext, int format, const PixelFormatRequest&) {
    Window* window = windowOf(deviceContext);
    if (window == nullptr || format != kWindowFormat || window->pixelFormatSet)
        return false;
    window->pixelFormatSet = true;
    return true;
}

RenderingContext* wglCreateContext(DeviceContext* deviceContext) {
    Window* window = windowOf(deviceContext);
    if (window == nullptr || !window->pixelFormatSet)
        return nullptr;
    SDL_GLContext glContext = SDL_GL_CreateContext(window->sdlWindow);
    if (glContext == nullptr) {
        std::fprintf(stderr, "football: cannot create the OpenGL context: %s\n", SDL_GetError());
        return nullptr;
    }
    // The frame driver's sleep is the only rate control: no waiting for the
    // display's refresh in the swap.
    SDL_GL_SetSwapInterval(0);
    RenderingContext* context = new RenderingContext{glContext, window};
    liveContexts.push_back(context);
    return context;
}

bool wglMakeCurrent(DeviceContext* deviceContext, RenderingContext* renderingContext) {
    if (deviceContext == nullptr && renderingContext == nullptr) {
        return SDL_GL_MakeCurrent(nullptr, nullptr) == 0;
    }
    Window* window = windowOf(deviceContext);
    RenderingContext* context = findRenderingContext(renderingContext);
    if (window == nullptr || context == nullptr || context->window != window)
        return false;
    return SDL_GL_MakeCurrent(window->sdlWindow, context->glContext) == 0;
}

bool wglDeleteContext(RenderingContext* renderingContext) {
    RenderingContext* context = findRenderingContext(renderingContext);
    if (context == nullptr)
        return false;
    if (SDL_GL_GetCurrentContext() == context->glContext)
        SDL_GL_MakeCurrent(nullptr, nullptr);
    SDL_GL_DeleteContext(context->glContext);
    forgetContext(context);
    delete context;
    return true;
}

bool swapBuffers(DeviceContext* deviceContext) {
    Window* window = windowOf(deviceContext);
    if (window == nullptr)
        return false;
    SDL_GL_SwapWindow(window->sdlWindow);
    return true;
}

}  // namespace platform
