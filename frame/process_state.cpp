// process_state.cpp -- resetting, saving and restoring the process-wide records together.
#include "frame/process_state.h"

#include "common/random.h"

namespace frame {

void resetProcessState() {
    common::setRandomState(1);
    sim::match = sim::initialMatchState();
    camera = initialCamera();
    keyTable = KeyTable{};
    matchPause = MatchPause{};
    matchSeries = initialMatchSeries();
    matchStatistics = initialMatchStatistics();
    matchPanel = MatchPanel{};
    screenshotNotice = ScreenshotNotice{};
    frameClock = FrameClock{};
    viewportSize = ViewportSize{};
    render::figureAnimation = render::initialFigureAnimation();
    render::rainField = render::initialRainField();
    render::heightmap = render::Heightmap{};
}

std::unique_ptr<ProcessState> saveProcessState() {
    auto saved = std::make_unique<ProcessState>();
    saved->randomState = common::randomState();
    saved->match = sim::match;
    saved->camera = camera;
    saved->keyTable = keyTable;
    saved->matchPause = matchPause;
    saved->matchSeries = matchSeries;
    saved->matchStatistics = matchStatistics;
    saved->matchPanel = matchPanel;
    saved->screenshotNotice = screenshotNotice;
    saved->frameClock = frameClock;
    saved->viewportSize = viewportSize;
    saved->figureAnimation = render::figureAnimation;
    saved->rainField = render::rainField;
    saved->heightmap = render::heightmap;
    return saved;
}

void restoreProcessState(const ProcessState& saved) {
    common::setRandomState(saved.randomState);
    sim::match = saved.match;
    camera = saved.camera;
    keyTable = saved.keyTable;
    matchPause = saved.matchPause;
    matchSeries = saved.matchSeries;
    matchStatistics = saved.matchStatistics;
    matchPanel = saved.matchPanel;
    screenshotNotice = saved.screenshotNotice;
    frameClock = saved.frameClock;
    viewportSize = saved.viewportSize;
    render::figureAnimation = saved.figureAnimation;
    render::rainField = saved.rainField;
    render::heightmap = saved.heightmap;
}

}  // namespace frame
