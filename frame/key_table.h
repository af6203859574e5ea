// key_table.h -- which keys are held down, by Windows virtual-key code.
#pragma once

namespace frame {

// 256 flags indexed by virtual-key code: set on key-down, cleared on key-up.
// One member of the world, all false at start; it survives the re-creation of
// the window. Written by the window procedure (and the main loop for F1),
// read by the main loop and the camera.
//
// A key that goes down and up again before any frame has looked at the table
// still counts as held for one frame: its key-up only marks it, and the main
// loop clears it after the next look (markKeysSeen). The headless tools set
// `held` directly per frame and never leave a mark.
struct KeyTable {
    bool held[256];
    // Set by a key-down, cleared once the main loop has looked at the table.
    bool unseen[256];
    // A key-up came while the key-down was still unseen: clear the entry
    // after the next look.
    bool releaseDue[256];
};

// The window procedure, on a key-down message: the key is held, and stays
// held at least until the main loop has looked at the table once.
void pressKey(KeyTable& keys, int code);

// The window procedure, on a key-up message: clears the entry at once if the
// main loop has looked at it since the key-down, else marks it to be cleared
// after the next look.
void releaseKey(KeyTable& keys, int code);

// The main loop, after every pass in which it looked at the table (ran a
// frame, looked at Escape and F1): every key is now seen, and the keys whose
// key-up came early are let go.
void markKeysSeen(KeyTable& keys);

// The main loop, when it acts on F1: the entry is cleared, with any mark.
void clearKey(KeyTable& keys, int code);

}  // namespace frame
