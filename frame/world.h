// world.h -- the world: every record a frame reads or changes, as one value.
#pragma once

#include <type_traits>

#include "common/random.h"
#include "frame/camera.h"
#include "frame/frame_pacing.h"
#include "frame/key_table.h"
#include "frame/match_panel.h"
#include "frame/match_pause.h"
#include "frame/match_series.h"
#include "frame/match_statistics.h"
#include "frame/notice_line.h"
#include "frame/replay.h"
#include "frame/viewport_size.h"
#include "render/figure_animation.h"
#include "render/heightmap.h"
#include "render/rain_field.h"
#include "sim/match_state.h"

namespace frame {

// The whole state of a run: the frame's state step (frame_step.h) changes
// it, its picture reads it and changes none of it, and every host owns one.
// Putting a run back at its start, keeping a moment and going back to it are
// assignments of this one value, and two worlds are compared byte for byte.
// What is not in it belongs to a window or a rendering context and is made
// anew with them: the GL objects (the overlay font's display lists, the shape
// cache, the web layer's buffers), the window and its handles, and a host's
// own schedule. Several hundred kilobytes: keep worlds in static storage or
// on the heap, never on the stack.
struct World {
    common::Random random;              // the one generator, drawn in program order
    sim::MatchState match;              // the match
    render::Heightmap heightmap;        // the landscape, generated at every new scene
    render::RainField rain;             // the rain and the weather clock
    render::FigureAnimation animation;  // stride and keeper counters
    KeyTable keys;                      // the keys held, by virtual-key code
    Camera camera;                      // the flown or following camera
    MatchPause pause;                   // the watcher's pause
    MatchSeries series;                 // one match after another, the final score
    MatchStatistics statistics;         // counted from every frame's state changes
    MatchPanel panel;                   // Tab's panel
    NoticeLine notice;      // the line at the bottom: a screenshot, a clip, the sound, a session
    FrameClock clock;       // the live frame's pacing reading
    ViewportSize viewport;  // the picture's size
    Replay replay;          // the goal replays: on or off, the one shown
};

static_assert(std::is_trivially_copyable<World>::value,
              "the world is copied and compared as plain bytes");

// The world as at program start: the generator at 1, the designed match not
// yet kicked off, the camera at its start, no key held. A reference to one
// constant kept for the run, so `world = initialWorld()` needs no stack.
const World& initialWorld();

}  // namespace frame
