// world.cpp -- the world's start values.
#include "frame/world.h"

#include <memory>

namespace frame {

static std::unique_ptr<World> makeInitialWorld() {
    auto world = std::make_unique<World>();
    world->random = common::kInitialRandom;
    world->match = sim::initialMatchState();
    render::resetRainField(world->rain);
    world->animation = render::initialFigureAnimation();
    world->keys = KeyTable{};
    world->camera = initialCamera();
    world->pause = MatchPause{};
    world->series = initialMatchSeries();
    world->statistics = initialMatchStatistics();
    world->panel = MatchPanel{};
    world->notice = NoticeLine{};
    world->clock = FrameClock{};
    world->viewport = ViewportSize{};
    world->replay = Replay{};
    return world;
}

const World& initialWorld() {
    // Made on first use, not before main.
    static const std::unique_ptr<World> initial = makeInitialWorld();
    return *initial;
}

}  // namespace frame
