// frame_script.h -- the command line shared by the headless tools (how many frames,
// which keys are held when, after which frames the window is re-created) and the
// per-frame lookups that play it back. Used by football-trace and football-record.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "frame/key_table.h"

namespace tools {

// One --hold KEY@FROM[-TO]: the key is held during frames FROM..TO (1-based, inclusive).
struct KeyHold {
    int key;  // virtual-key code 0..255
    std::int64_t from;
    std::int64_t to;
};

// A tool's own option, which the shared parser passes on rather than refusing.
struct ExtraOption {
    std::string name;  // with its dashes, e.g. "--summary"
    bool takesValue;   // true: the next argument is its value
};

// An extra option as found on the command line, in command-line order.
struct ExtraArgument {
    std::string name;
    std::string value;  // empty for options without a value
};

struct FrameScript {
    std::int64_t frames = 0;            // frames to run after start-up (0 or more)
    bool framesGiven = false;           // FRAMES was on the command line
    std::vector<KeyHold> holds;         // in command-line order
    std::vector<std::int64_t> toggles;  // frames followed by a window re-creation, ascending
    std::vector<ExtraArgument> extras;  // the caller's own options, in command-line order
};

// Called once by a tool's main with its arguments (without the program name).
// Accepts FRAMES (once, required), --hold KEY@FROM[-TO] and --toggle AFTER
// (both repeatable) and the caller's `extra` options. KEY is a key name
// (O, 1, F1, ESCAPE: keyCodeForName), a decimal code of two or more digits or
// a hex code (0x31); frame numbers are decimal and at least 1. On a bad argument returns
// false with a one-line message (no program name, no newline) in `error`.
// With `framesRequired` false a missing FRAMES is no error (football-record's
// --goal finds its own frames); `framesGiven` tells which it was.
bool parseFrameScript(const std::vector<std::string>& args, const std::vector<ExtraOption>& extra,
                      FrameScript& script, std::string& error, bool framesRequired = true);

// An argument in single quotes for a message, with line breaks and other
// control characters written as \n, \t or \xNN, so that the message stays one
// line of text. Shared by the tools' own options.
std::string quoted(const std::string& text);

// A decimal number of 0 or more with at most 18 digits (so it fits the frame
// counter); digits only, no sign or spaces. Shared by the tools' own options.
bool parseDecimal(const std::string& text, std::int64_t& value);

// Before running frame `frame` (1-based): sets the key table to exactly the
// keys the script holds during that frame and clears every other entry.
void applyKeyHolds(const FrameScript& script, std::int64_t frame, frame::KeyTable& keys);

// After frame `frame` has run: how many window re-creations follow it (each
// runs the scene initialisation once). 0 for most frames.
int togglesAfter(const FrameScript& script, std::int64_t frame);

}  // namespace tools
