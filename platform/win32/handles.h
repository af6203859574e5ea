// win32/handles.h -- the platform handles on Win32: each one is the system's own handle, cast.
// Shared by the Win32 implementation files only.
#pragma once

#include "platform/gl_context.h"
#include "platform/win32/system.h"
#include "platform/window.h"

namespace platform {

// The records behind the opaque handles are never defined here: a Window* is
// an HWND, a DeviceContext* an HDC, a RenderingContext* an HGLRC and an
// Instance* an HINSTANCE, so the system checks every handle itself.
inline HWND toHwnd(Window* window) {
    return reinterpret_cast<HWND>(window);
}
inline Window* fromHwnd(HWND window) {
    return reinterpret_cast<Window*>(window);
}
inline HDC toHdc(DeviceContext* deviceContext) {
    return reinterpret_cast<HDC>(deviceContext);
}
inline DeviceContext* fromHdc(HDC deviceContext) {
    return reinterpret_cast<DeviceContext*>(deviceContext);
}
inline HGLRC toHglrc(RenderingContext* renderingContext) {
    return reinterpret_cast<HGLRC>(renderingContext);
}
inline RenderingContext* fromHglrc(HGLRC renderingContext) {
    return reinterpret_cast<RenderingContext*>(renderingContext);
}
inline HINSTANCE toHinstance(Instance* instance) {
    return reinterpret_cast<HINSTANCE>(instance);
}
inline Instance* fromHinstance(HINSTANCE instance) {
    return reinterpret_cast<Instance*>(instance);
}

}  // namespace platform
