// run_frame.cpp -- the frame driver: simulation gate, pacing against the frame clock, picture.
#include "frame/run_frame.h"

#include "frame/frame_pacing.h"
#include "frame/frame_state.h"
#include "frame/render_frame.h"
#include "frame/screenshot_notice.h"
#include "platform/time.h"

namespace frame {

bool runFrame() {
    advanceSimulation();

    const PacingStep step = pacingStep(frameClock.lastTick, platform::getTickCount());
    frameClock.lastTick = step.lastTick;
    if (step.sleepMs > 0)
        platform::sleepMilliseconds(step.sleepMs);
    ageScreenshotNotice(step.lastTick);

    renderFramePicture();
    return true;
}

}  // namespace frame
