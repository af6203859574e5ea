// key_table.cpp -- the table of held keys, and the rule that no key press is lost.
#include "frame/key_table.h"

namespace frame {

void pressKey(KeyTable& keys, int code) {
    keys.held[code] = true;
    keys.unseen[code] = true;
    keys.releaseDue[code] = false;
}

void releaseKey(KeyTable& keys, int code) {
    if (keys.unseen[code]) {
        keys.releaseDue[code] = true;
    } else {
        keys.held[code] = false;
    }
}

void markKeysSeen(KeyTable& keys) {
    for (int code = 0; code < 256; ++code) {
        if (keys.releaseDue[code]) {
            keys.held[code] = false;
            keys.releaseDue[code] = false;
        }
        keys.unseen[code] = false;
    }
}

void clearKey(KeyTable& keys, int code) {
    keys.held[code] = false;
    keys.unseen[code] = false;
    keys.releaseDue[code] = false;
}

}  // namespace frame
