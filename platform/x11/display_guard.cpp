// x11/display_guard.cpp -- the display guard's own process: records the X screen's size and modes
// (RandR) and puts them back when the program dies or asks.
#include "platform/x11/display_guard.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/window.h"

namespace platform {

const char kDisplayGuardArgument[] = "--display-mode-guard";

namespace {

// One CRTC's configuration: where it shows which mode on which outputs.
struct CrtcSetting {
    RRCrtc crtc;
    int x;
    int y;
    RRMode mode;
    Rotation rotation;
    std::vector<RROutput> outputs;
};

// The first X error of a request, for the report; 0 when there was none.
int lastXError = 0;

int recordXError(Display*, XErrorEvent* event) {
    if (lastXError == 0)
        lastXError = event->error_code;
    return 0;
}

std::vector<CrtcSetting> readCrtcSettings(Display* display, XRRScreenResources* resources) {
    std::vector<CrtcSetting> settings;
    for (int index = 0; index < resources->ncrtc; ++index) {
        XRRCrtcInfo* info = XRRGetCrtcInfo(display, resources, resources->crtcs[index]);
        if (info == nullptr)
            continue;
        settings.push_back({resources->crtcs[index], info->x, info->y, info->mode, info->rotation,
                            std::vector<RROutput>(info->outputs, info->outputs + info->noutput)});
        XRRFreeCrtcInfo(info);
    }
    return settings;
}

// The screen's size, which a mode change may change with the mode.
struct ScreenSize {
    int width;
    int height;
    int widthMm;
    int heightMm;
};

ScreenSize currentScreenSize(Display* display, ::Window root, const ScreenSize& recorded) {
    ::Window rootOfRoot = 0;
    int x = 0;
    int y = 0;
    unsigned width = 0;
    unsigned height = 0;
    unsigned border = 0;
    unsigned depth = 0;
    if (!XGetGeometry(display, root, &rootOfRoot, &x, &y, &width, &height, &border, &depth))
        return recorded;
    return {static_cast<int>(width), static_cast<int>(height), recorded.widthMm, recorded.heightMm};
}

bool sameSetting(const CrtcSetting& a, const CrtcSetting& b) {
    return a.x == b.x && a.y == b.y && a.mode == b.mode && a.rotation == b.rotation &&
           a.outputs == b.outputs;
}

// Puts the screen's size and every CRTC that differs from its recorded
// setting back, with the server grabbed so that no other client changes them
// meanwhile. The screen grows first, so that the recorded modes fit while they
// are set, and takes its recorded size last.
void restoreDisplay(Display* display, const ScreenSize& recordedSize,
                    const std::vector<CrtcSetting>& recorded) {
    const ::Window root = DefaultRootWindow(display);
    XGrabServer(display);
    const ScreenSize size = currentScreenSize(display, root, recordedSize);
    const bool resized = size.width != recordedSize.width || size.height != recordedSize.height;
    if (recordedSize.width > size.width || recordedSize.height > size.height) {
        XRRSetScreenSize(display, root, std::max(size.width, recordedSize.width),
                         std::max(size.height, recordedSize.height), recordedSize.widthMm,
                         recordedSize.heightMm);
    }
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, root);
    if (resources != nullptr) {
        const std::vector<CrtcSetting> current = readCrtcSettings(display, resources);
        for (const CrtcSetting& setting : recorded) {
            bool changed = true;
            for (const CrtcSetting& now : current) {
                if (now.crtc == setting.crtc)
                    changed = !sameSetting(now, setting);
            }
            if (!changed)
                continue;
            std::vector<RROutput> outputs = setting.outputs;
            const Status status = XRRSetCrtcConfig(
                display, resources, setting.crtc, CurrentTime, setting.x, setting.y, setting.mode,
                setting.rotation, outputs.data(), static_cast<int>(outputs.size()));
            if (status != RRSetConfigSuccess)
                std::fprintf(stderr,
                             "football: cannot put the display mode back (RandR status %d)\n",
                             status);
        }
        XRRFreeScreenResources(resources);
    }
    if (resized) {
        XRRSetScreenSize(display, root, recordedSize.width, recordedSize.height,
                         recordedSize.widthMm, recordedSize.heightMm);
    }
    XUngrabServer(display);
    XSync(display, False);
    if (lastXError != 0) {
        std::fprintf(stderr, "football: cannot put the display mode back (X error %d)\n",
                     lastXError);
        lastXError = 0;
    }
}

bool sendByte(char byte) {
    ssize_t sent;
    do {
        sent = write(kDisplayGuardSocket, &byte, 1);
    } while (sent < 0 && errno == EINTR);
    return sent == 1;
}

// The guard: records the modes, says so, then waits. A restore request is
// answered once done; the program's end (the socket closes) restores once
// more, for a change the server took from the program after the request.
int runDisplayGuard() {
    // The requests that end the program reach its whole process group (Ctrl+C);
    // the guard ends with the program, not before it.
    for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE})
        std::signal(signal, SIG_IGN);

    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return 1;
    int eventBase = 0;
    int errorBase = 0;
    if (!XRRQueryExtension(display, &eventBase, &errorBase))
        return 1;
    XSetErrorHandler(recordXError);
    XRRScreenResources* resources =
        XRRGetScreenResourcesCurrent(display, DefaultRootWindow(display));
    if (resources == nullptr)
        return 1;
    const std::vector<CrtcSetting> recorded = readCrtcSettings(display, resources);
    XRRFreeScreenResources(resources);
    const int screen = DefaultScreen(display);
    const ScreenSize recordedSize = {DisplayWidth(display, screen), DisplayHeight(display, screen),
                                     DisplayWidthMM(display, screen),
                                     DisplayHeightMM(display, screen)};
    if (!sendByte(kGuardReady))
        return 1;

    for (;;) {
        char message = 0;
        const ssize_t got = read(kDisplayGuardSocket, &message, 1);
        if (got < 0 && errno == EINTR)
            continue;
        if (got == 1 && message == kGuardDismiss)
            break;
        restoreDisplay(display, recordedSize, recorded);
        if (got != 1)
            break;
        if (message == kGuardRestore)
            sendByte(kGuardRestored);
    }
    XCloseDisplay(display);
    return 0;
}

}  // namespace

// The executable started as the guard does nothing else.
bool runWindowSystemHelper(int argc, char** argv, int& status) {
    if (argc != 2 || std::strcmp(argv[1], kDisplayGuardArgument) != 0)
        return false;
    status = runDisplayGuard();
    return true;
}

}  // namespace platform
