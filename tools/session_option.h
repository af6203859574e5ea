// session_option.h -- the tools' --session FILE: a session the program saved, run as the tools'
// frame script.
#pragma once

#include <string>

#include "common/command_line.h"
#include "frame/frame_script.h"

namespace tools {

// --session FILE, in both tools' tables.
common::OptionRow sessionOptionRow();

// After readFrameScript (FRAMES not required): takes --session out of the
// script's extras into `path` (empty when not given), and refuses it twice or
// together with what the session says itself (FRAMES, --hold, --toggle,
// --seed, --random, --match-minutes, --home, --away). False with a one-line message in
// `error`. Without --session, FRAMES is the tool's to require.
bool takeSessionOption(frame::FrameScript& script, std::string& path, std::string& error);

// Reads the session file and puts its frames, keys, re-creations and matches
// into `script` (frame::sessionScript; the extras and the teams file stay), and the window's
// size at its end into `width` and `height`. False with one line naming the
// file and what is wrong (for the text: the line).
bool loadSessionScript(const std::string& path, frame::FrameScript& script, int& width, int& height,
                       std::string& error);

}  // namespace tools
