// process_state.h -- every process-wide record at once: back to program start, saved, restored.
#pragma once

#include <cstdint>
#include <memory>

#include "frame/camera.h"
#include "frame/frame_pacing.h"
#include "frame/key_table.h"
#include "frame/match_panel.h"
#include "frame/match_pause.h"
#include "frame/match_series.h"
#include "frame/match_statistics.h"
#include "frame/screenshot_notice.h"
#include "frame/viewport_size.h"
#include "render/figure_animation.h"
#include "render/heightmap.h"
#include "render/rain_field.h"
#include "sim/match_state.h"

namespace frame {

// A copy of the records a run changes: the generator, the match, the camera,
// the key table, the pause, the match series, statistics and panel, the screenshot notice, the
// frame clock, the viewport size, the animation counters, the rain field and the height field. The
// overlay font and the shape cache belong to a rendering context, not to the process, and are not
// in it.
struct ProcessState {
    std::uint32_t randomState;
    sim::MatchState match;
    Camera camera;
    KeyTable keyTable;
    MatchPause matchPause;
    MatchSeries matchSeries;
    MatchStatistics matchStatistics;
    MatchPanel matchPanel;
    ScreenshotNotice screenshotNotice;
    FrameClock frameClock;
    ViewportSize viewportSize;
    render::FigureAnimation figureAnimation;
    render::RainField rainField;
    render::Heightmap heightmap;
};

// Puts every record back as at program start. Called by the tests and the
// benchmarks before each run that must start where the program starts.
void resetProcessState();

// The records as they stand now (a few hundred kilobytes, so on the heap).
std::unique_ptr<ProcessState> saveProcessState();

// Puts every record back as in the copy.
void restoreProcessState(const ProcessState& saved);

}  // namespace frame
