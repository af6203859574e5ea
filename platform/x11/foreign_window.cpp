// x11/foreign_window.cpp -- another program's X window: looked up by id, watched for size changes.
#include "platform/x11/foreign_window.h"

#include <X11/Xlib.h>

#include <cstdio>

namespace platform {

// The error of the last request, caught instead of ending the program.
static int lastError = 0;

static int catchError(Display*, XErrorEvent* event) {
    lastError = event->error_code;
    return 0;
}

bool lookUpX11Window(std::uint64_t id, std::uint64_t* found, std::string* reason) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        *reason = "cannot connect to the X display";
        return false;
    }
    const ::Window window = id == 0 ? DefaultRootWindow(display) : static_cast<::Window>(id);
    XSync(display, False);
    lastError = 0;
    int (*previous)(Display*, XErrorEvent*) = XSetErrorHandler(catchError);
    XWindowAttributes attributes;
    const Status status = XGetWindowAttributes(display, window, &attributes);
    XSync(display, False);
    XSetErrorHandler(previous);
    const bool exists = status != 0 && lastError == 0;
    XCloseDisplay(display);
    if (!exists) {
        char text[64];
        std::snprintf(text, sizeof text, "there is no window 0x%lx on the display",
                      static_cast<unsigned long>(window));
        *reason = text;
        return false;
    }
    *found = window;
    return true;
}

void watchX11WindowSize(void* display, std::uint64_t window) {
    Display* x = static_cast<Display*>(display);
    XWindowAttributes attributes;
    if (XGetWindowAttributes(x, static_cast<::Window>(window), &attributes) == 0)
        return;
    XSelectInput(x, static_cast<::Window>(window),
                 attributes.your_event_mask | StructureNotifyMask);
    XFlush(x);
}

}  // namespace platform
