// page_loop.h -- the page's frame loop's own record, shared by the files that run it: the
// schedule (web_loop.cpp), the links' fast frames (web_catch_up.cpp), the canvas
// (web_canvas.cpp), the picture (web_picture.cpp) and its captures (web_capture.cpp).
#pragma once

#include <cstdint>
#include <memory>

#include "frame/frame_script.h"
#include "frame/replay_tape.h"
#include "frame/world.h"
#include "web/web_link.h"

namespace web {

// Alive for the whole page; the world and the tape are made on first use.
struct PageLoop {
    std::unique_ptr<frame::World> world;
    // What the page keeps beside its world for the goal replays.
    std::unique_ptr<frame::ReplayTape> tape;
    // Frames run since the page started, the link's included.
    long long framesRun;
    // A link without a moment: its holds, held in their frames over the watcher's keys.
    frame::FrameScript live;
    // The link's moment, with its view held; at is 0 once it has been reached.
    MomentLink moment;
    // A session link's frames (none without one), run fast before its first
    // shown frame, then at the match's pace with its keys, not the watcher's.
    frame::FrameScript played;
    std::int64_t firstShown;
    // The moment's picture stays until the watcher acts.
    bool holding;
    // The frame on screen began a new landscape (start-up, the next match).
    bool newLandscape;
    // The WebGL context is lost: frames run unseen until it comes back.
    bool contextLost;
    // The next picture drawn is offered as a download.
    bool screenshotWanted;
    // No frame starts before this tick.
    std::uint32_t nextFrameAt;
    int errorsReported;
    // Animation frames spent waiting for the browser to link the scene's programs.
    int programWaits;
};

PageLoop& pageLoop();

frame::ReplayTape& pageReplayTape();

}  // namespace web
