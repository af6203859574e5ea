// replays_option.cpp -- the --replays option's row.
#include "tools/replays_option.h"

namespace tools {

common::OptionRow replaysOptionRow() {
    return {"replays", 0, nullptr,
            "replay every goal after its celebration, as the program does\nwith --replays: the "
            "live match stands still meanwhile",
            0};
}

}  // namespace tools
