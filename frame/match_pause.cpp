// match_pause.cpp -- the pause record and its edge-triggered keys.
#include "frame/match_pause.h"

#include "platform/key_codes.h"

namespace frame {

void applyPauseKeys(MatchPause& pause, const KeyTable& keys) {
    const bool down = keys.held[platform::kVkPause] || keys.held[platform::kVkSpace];
    if (down && !pause.keyWasDown)
        pause.paused = !pause.paused;
    pause.keyWasDown = down;
}

}  // namespace frame
