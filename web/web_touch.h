// web_touch.h -- fingers on the picture turned into camera keys held for as many frames as the
// gesture goes far: one finger turns and tilts, two pinch to zoom and drag to move; a double
// tap switches the full screen.
#pragma once

#include "frame/key_table.h"
#include "platform/web/page_host.h"

namespace web {

// The canvas's touch events (page_host.h), with every finger still down.
void followTouches(const PageTouch* down, int count);

// The frame loop, before every frame's state step: presses the camera keys
// the gestures still owe frames of, one frame each, and lets go of those
// they no longer do. The keys go through the world's key table, as typed keys
// do, so the frame step stays the only thing that moves the camera.
void holdTouchKeys(frame::KeyTable& keys);

}  // namespace web
