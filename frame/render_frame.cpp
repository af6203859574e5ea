// render_frame.cpp -- PLACEHOLDER: clears to the sky colour until the scene lands.
#include "frame/render_frame.h"

#include <GL/gl.h>

#include "frame/frame_state.h"
#include "render/scene.h"

namespace frame {

void renderFrame() {
    applyFrameControls();
    render::resizeScene(render::viewportSize.width, render::viewportSize.height);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    finishFrameState();
}

}  // namespace frame
