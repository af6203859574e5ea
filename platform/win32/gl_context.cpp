// win32/gl_context.cpp -- device contexts, pixel formats, WGL rendering contexts and the swap.
#include "platform/gl_context.h"

#include "platform/win32/handles.h"
#include "platform/win32/screen_saver_windows.h"

namespace platform {

static_assert(kPfdDoubleBuffer == PFD_DOUBLEBUFFER && kPfdDrawToWindow == PFD_DRAW_TO_WINDOW &&
              kPfdSupportOpenGl == PFD_SUPPORT_OPENGL);
static_assert(kPfdTypeRgba == PFD_TYPE_RGBA && kPfdMainPlane == PFD_MAIN_PLANE);

// The request as the system's descriptor; every count it does not name is 0.
static PIXELFORMATDESCRIPTOR descriptorFor(const PixelFormatRequest& request) {
    PIXELFORMATDESCRIPTOR descriptor = {};
    descriptor.nSize = sizeof descriptor;
    descriptor.nVersion = 1;
    descriptor.dwFlags = request.flags;
    descriptor.iPixelType = static_cast<BYTE>(request.pixelType);
    descriptor.cColorBits = static_cast<BYTE>(request.colorBits);
    descriptor.cDepthBits = static_cast<BYTE>(request.depthBits);
    descriptor.cStencilBits = static_cast<BYTE>(request.stencilBits);
    descriptor.iLayerType = static_cast<BYTE>(request.layerType);
    return descriptor;
}
static_assert(sizeof(PIXELFORMATDESCRIPTOR) == 40);

DeviceContext* getDC(Window* window) {
    return fromHdc(GetDC(toHwnd(window)));
}

bool releaseDC(Window* window, DeviceContext* deviceContext) {
    if (isGoneScreenSaverWindow(toHwnd(window)))
        return true;
    return ReleaseDC(toHwnd(window), toHdc(deviceContext)) == 1;
}

int choosePixelFormat(DeviceContext* deviceContext, const PixelFormatRequest& request) {
    const PIXELFORMATDESCRIPTOR descriptor = descriptorFor(request);
    return ChoosePixelFormat(toHdc(deviceContext), &descriptor);
}

bool setPixelFormat(DeviceContext* deviceContext, int format, const PixelFormatRequest& request) {
    const PIXELFORMATDESCRIPTOR descriptor = descriptorFor(request);
    return SetPixelFormat(toHdc(deviceContext), format, &descriptor) != FALSE;
}

RenderingContext* wglCreateContext(DeviceContext* deviceContext) {
    return fromHglrc(::wglCreateContext(toHdc(deviceContext)));
}

// The frame driver's sleep is the only rate control: where the driver offers
// it, the swap does not wait for the display's refresh.
static void swapWithoutWaiting() {
    using SwapInterval = BOOL(WINAPI*)(int);
    const PROC entry = wglGetProcAddress("wglSwapIntervalEXT");
    if (entry != nullptr)
        reinterpret_cast<SwapInterval>(reinterpret_cast<void*>(entry))(0);
}

bool wglMakeCurrent(DeviceContext* deviceContext, RenderingContext* renderingContext) {
    if (!::wglMakeCurrent(toHdc(deviceContext), toHglrc(renderingContext)))
        return false;
    if (renderingContext != nullptr)
        swapWithoutWaiting();
    return true;
}

bool wglDeleteContext(RenderingContext* renderingContext) {
    return ::wglDeleteContext(toHglrc(renderingContext)) != FALSE;
}

bool swapBuffers(DeviceContext* deviceContext) {
    return SwapBuffers(toHdc(deviceContext)) != FALSE;
}

}  // namespace platform
