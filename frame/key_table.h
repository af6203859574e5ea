// key_table.h -- which keys are held down, by Windows virtual-key code.
#pragma once

namespace frame {

// Virtual-key codes the program acts on.
constexpr int kKeyEscape = 0x1B;
constexpr int kKeyF1 = 0x70;

// 256 flags indexed by virtual-key code: set on key-down, cleared on key-up.
// One process-wide record, all false at start; it survives the re-creation of
// the window. Written by the window procedure (and the main loop for F1),
// read by the main loop and the camera.
struct KeyTable {
    bool held[256];
};

extern KeyTable keyTable;

}  // namespace frame
