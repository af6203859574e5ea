// web_bench.cpp -- the cost of a frame in the browser, as bench/render_bench measures it on the
// desktop: the same frame drawn again and again from a snapshot of every record, at 1024x768.
// Prints one line per case to the console, medians in milliseconds:
//   wasm_ms   the frame's state steps and calls until the last WebGL call returns
//             (everything but the browser's rasterising);
//   frame_ms  until the picture is finished (a one-pixel read waits for it).
#include <GLES2/gl2.h>
#include <emscripten.h>
#include <emscripten/html5.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "frame/frame_state.h"
#include "frame/key_table.h"
#include "frame/process_state.h"
#include "frame/render_frame.h"
#include "frame/scene_start.h"
#include "platform/web/fixed_gl.h"
#include "platform/web/webgl_raster.h"

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr int kIterations = 25;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void finishPicture() {
    unsigned char pixel[4];
    glReadPixels(0, 0, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixel);
}

void wholeFrame() {
    frame::advanceSimulation();
    frame::renderFrame();
    web::flushWebglRaster();
}

// Frames 1..frame-1 as state alone, the preset's key held (0: the start-up view).
void measure(int frameNumber, int view) {
    frame::resetProcessState();
    frame::resizeScene(kWidth, kHeight);
    frame::initScene();
    if (view != 0)
        frame::keyTable.held[0x30 + view] = true;
    for (int n = 1; n < frameNumber; ++n)
        frame::advanceFrameState();
    const std::unique_ptr<frame::ProcessState> snapshot = frame::saveProcessState();
    wholeFrame();  // the shapes' lists compiled, the current normal as in play
    finishPicture();
    std::vector<double> wasm, whole;
    for (int i = 0; i < kIterations; ++i) {
        frame::restoreProcessState(*snapshot);
        const double t0 = emscripten_get_now();
        wholeFrame();
        const double t1 = emscripten_get_now();
        finishPicture();
        const double t2 = emscripten_get_now();
        wasm.push_back(t1 - t0);
        whole.push_back(t2 - t0);
    }
    std::printf("football-bench: frame %d view %d: wasm_ms %.1f frame_ms %.1f\n", frameNumber, view,
                median(wasm), median(whole));
}

}  // namespace

int main() {
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.alpha = EM_FALSE;
    attributes.antialias = EM_FALSE;
    attributes.majorVersion = 1;
    emscripten_set_canvas_element_size("#canvas", kWidth, kHeight);
    const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context =
        emscripten_webgl_create_context("#canvas", &attributes);
    std::string error;
    if (context <= 0 ||
        emscripten_webgl_make_context_current(context) != EMSCRIPTEN_RESULT_SUCCESS ||
        !web::startWebglRaster(error)) {
        std::printf("football-bench: no WebGL context %s\n", error.c_str());
        return 1;
    }
    fixedgl::resetContext();
    fixedgl::setRasterSink(&web::webglRaster());
    for (const int frameNumber : {2000, 3600}) {
        for (const int view : {0, 2, 3, 4, 5})
            measure(frameNumber, view);
    }
    std::printf("football-bench: done\n");
    return 0;
}
