// key_guide.h -- the keys the watcher can press and what each does: the one list from which
// football --help prints its keys, and against which the manual page, docs/usage.md and the
// Windows START-HERE text are checked (tests/packaging/check_key_lists.py).
#pragma once

#include <vector>

namespace frame {

// M mutes the sound and brings it back, once per key-down; the hosts that
// play the sound (app/, web/) act on it.
constexpr int kKeySound = 'M';

struct KeyGuideEntry {
    const char* key;     // as the keyboard names it: "O", "Print Screen", "Alt+F4"
    const char* action;  // what it does, in a few words
};

// In the order the help lists them: camera keys, presets, then the keys that
// act once per key-down. Adding a key to the program is adding its row here.
extern const std::vector<KeyGuideEntry> kKeyGuide;

}  // namespace frame
