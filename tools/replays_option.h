// replays_option.h -- the tools' --replays option: its help row.
#pragma once

#include "common/command_line.h"

namespace tools {

// --replays, in both tools' tables: the goals are replayed as the program
// replays them with --replays (frame/replay.h).
common::OptionRow replaysOptionRow();

}  // namespace tools
