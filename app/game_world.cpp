// game_world.cpp -- the game's one world and its replay tape, on the heap.
#include "app/game_world.h"

#include <memory>

namespace app {

frame::World& gameWorld() {
    // Made on first use, not before main; it lives until the process ends.
    static const std::unique_ptr<frame::World> world =
        std::make_unique<frame::World>(frame::initialWorld());
    return *world;
}

frame::ReplayTape& gameReplayTape() {
    static const std::unique_ptr<frame::ReplayTape> tape = std::make_unique<frame::ReplayTape>();
    return *tape;
}

}  // namespace app
