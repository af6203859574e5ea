// record_run.cpp -- the record tool's run: start-up, frames, window re-creations and PNG output.
#include "tools/record_run.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "frame/frame_state.h"
#include "frame/key_table.h"
#include "frame/overlay.h"
#include "frame/render_frame.h"
#include "platform/offscreen_context.h"
#include "render/scene.h"
#include "tools/png_file.h"

namespace tools {

// Creates the directory when it is missing (its parent must exist) and checks
// that files can be made in it.
static bool prepareDirectory(const std::string& dir, std::string& error) {
    if (mkdir(dir.c_str(), 0777) != 0 && errno != EEXIST) {
        error = std::strerror(errno);
        return false;
    }
    struct stat info;
    if (stat(dir.c_str(), &info) != 0) {
        error = std::strerror(errno);
        return false;
    }
    if (!S_ISDIR(info.st_mode)) {
        error = "not a directory";
        return false;
    }
    if (access(dir.c_str(), W_OK | X_OK) != 0) {
        error = std::strerror(errno);
        return false;
    }
    return true;
}

// Start-up as the program makes it: the projection for the size, then the
// scene initialisation in the new context.
static platform::OffscreenContext* openScene(int width, int height) {
    platform::OffscreenContext* context = platform::createOffscreenContext(width, height);
    if (context == nullptr)
        return nullptr;
    render::resizeScene(width, height);
    render::initScene();
    return context;
}

static void closeScene(platform::OffscreenContext* context) {
    frame::deleteOverlayFont();
    platform::destroyOffscreenContext(context);
}

// Re-creates the context as the program's F1 does: font deleted, context
// destroyed, a new one made, then the projection and the scene initialisation.
static platform::OffscreenContext* recreateScene(platform::OffscreenContext* context, int width,
                                                 int height) {
    closeScene(context);
    return openScene(width, height);
}

static void showProgress(std::int64_t frame, std::int64_t frames,
                         std::chrono::steady_clock::time_point start) {
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::fprintf(stderr, "\rframe %lld of %lld, %.1f frames per second",
                 static_cast<long long>(frame), static_cast<long long>(frames),
                 seconds > 0.0 ? static_cast<double>(frame) / seconds : 0.0);
    if (frame == frames)
        std::fputc('\n', stderr);
}

int recordFrames(const FrameScript& script, const RecordOptions& options, bool progress,
                 FrameObserver observer, void* data, std::string& error) {
    std::string reason;
    if (!prepareDirectory(options.outDir, reason)) {
        error = "cannot write to directory '" + options.outDir + "': " + reason;
        return 1;
    }
    platform::OffscreenContext* context = openScene(options.width, options.height);
    if (context == nullptr) {
        error = "cannot create a " + std::to_string(options.width) + "x" +
                std::to_string(options.height) + " offscreen OpenGL context";
        return 1;
    }
    if (observer != nullptr)
        observer(0, false, data);
    const auto start = std::chrono::steady_clock::now();
    std::vector<unsigned char> rgb;
    for (std::int64_t frame = 1; frame <= script.frames; ++frame) {
        applyKeyHolds(script, frame, frame::keyTable);
        frame::advanceSimulation();
        frame::renderFrame();
        if (isChosenFrame(options, frame)) {
            platform::readOffscreenPixels(context, rgb);
            const std::string path = framePath(options.outDir, frame);
            if (!writePng(path, options.width, options.height, rgb, reason)) {
                if (progress)
                    std::fputc('\n', stderr);
                error = "cannot write '" + path + "': " + reason;
                closeScene(context);
                return 1;
            }
        }
        const int toggles = togglesAfter(script, frame);
        for (int n = 0; n < toggles; ++n) {
            context = recreateScene(context, options.width, options.height);
            if (context == nullptr) {
                if (progress)
                    std::fputc('\n', stderr);
                error = "cannot re-create the offscreen OpenGL context";
                return 1;
            }
        }
        if (observer != nullptr)
            observer(frame, toggles > 0, data);
        if (progress)
            showProgress(frame, script.frames, start);
    }
    closeScene(context);
    return 0;
}

}  // namespace tools
