// link_keys.cpp -- a link's keys for one frame's step, and the watcher's table back after it.
#include "web/link_keys.h"

namespace web {

frame::KeyTable takeLinkKeys(frame::KeyTable& keys, const frame::FrameScript& script,
                             std::int64_t frame, bool alone) {
    const frame::KeyTable watcher = keys;
    if (alone) {
        frame::applyKeyHolds(script, frame, keys);
        return watcher;
    }
    for (const frame::KeyHold& hold : script.holds) {
        if (frame >= hold.from && frame <= hold.to)
            keys.held[hold.key] = true;
    }
    return watcher;
}

void giveKeysBack(frame::KeyTable& keys, const frame::KeyTable& watcher) {
    keys = watcher;
    frame::markKeysSeen(keys);
}

}  // namespace web
