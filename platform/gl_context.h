// gl_context.h -- a window's device context, its pixel format, the OpenGL rendering context and the
// swap.
#pragma once

#include <cstdint>

#include "platform/window.h"

namespace platform {

struct DeviceContext;
struct RenderingContext;

// Pixel-format flags and types.
constexpr std::uint32_t kPfdDoubleBuffer = 0x1;
constexpr std::uint32_t kPfdDrawToWindow = 0x4;
constexpr std::uint32_t kPfdSupportOpenGl = 0x20;
constexpr int kPfdTypeRgba = 0;
constexpr int kPfdMainPlane = 0;

// What a window's pixel format should offer. choosePixelFormat picks the
// closest format the window has: fewer depth bits than asked for are taken
// rather than refused.
struct PixelFormatRequest {
    std::uint32_t flags;
    int pixelType;
    int colorBits;
    int depthBits;
    int stencilBits;
    int layerType;
};

// Window creation takes the window's device context once; the tear-down
// releases it. Null / false for a window or context that does not exist
// (except a screen saver's window that went with its parent: true).
DeviceContext* getDC(Window* window);
bool releaseDC(Window* window, DeviceContext* deviceContext);

// The index of the closest pixel format for the request, 0 when none fits.
int choosePixelFormat(DeviceContext* deviceContext, const PixelFormatRequest& request);
bool setPixelFormat(DeviceContext* deviceContext, int format, const PixelFormatRequest& request);

// A rendering context for a device context whose pixel format is set.
RenderingContext* wglCreateContext(DeviceContext* deviceContext);
// Makes the context current on this thread; (null, null) releases the current one.
bool wglMakeCurrent(DeviceContext* deviceContext, RenderingContext* renderingContext);
bool wglDeleteContext(RenderingContext* renderingContext);

// Presents the back buffer; the main loop, after every frame.
bool swapBuffers(DeviceContext* deviceContext);

}  // namespace platform
