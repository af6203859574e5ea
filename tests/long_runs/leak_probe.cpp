// leak_probe.cpp -- a program that leaks on purpose, run by the leak-checker test of the
// sanitizer build: it draws frames offscreen like the record tool, then loses one block
// of its own and one GLU quadric, so the test can see that the leak checker, with the
// suppressions for Mesa's own records in force, still reports leaks made by our code.
#include <GL/glu.h>

#include <cstdio>
#include <memory>

#include "frame/frame_picture.h"
#include "frame/frame_step.h"
#include "frame/overlay.h"
#include "frame/scene_start.h"
#include "frame/world.h"
#include "platform/offscreen_context.h"

// Kept out of line so that the report names it.
__attribute__((noinline)) static void leakOnPurpose() {
    volatile char* lost = new char[4096];
    lost[0] = 1;
    lost = nullptr;
    GLUquadric* quadric = gluNewQuadric();
    std::printf("leaked %p\n", static_cast<void*>(quadric));
}

int main() {
    platform::OffscreenContext* context = platform::createOffscreenContext(64, 48);
    if (context == nullptr)
        return 1;
    auto world = std::make_unique<frame::World>(frame::initialWorld());
    frame::resizeScene(*world, 64, 48);
    frame::initScene(*world);
    for (int frame = 0; frame < 3; ++frame) {
        frame::stepWorld(*world);
        frame::drawFrame(*world);
    }
    leakOnPurpose();
    frame::deleteOverlayFont();
    platform::destroyOffscreenContext(context);
    return 0;
}
