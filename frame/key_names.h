// key_names.h -- the names of keys for the headless tools' --hold (O, F1, ESCAPE, ...) and
// the paragraph of --help that lists them.
#pragma once

#include <string>

namespace frame {

// The virtual-key code of a key name, in any case: a letter A-Z or digit 0-9
// (one character), F1-F24, NUMPAD0-NUMPAD9, or one of the named keys (ESCAPE,
// SPACE, PAUSE, RETURN, LEFT, ...). False for any other text.
bool keyCodeForName(const std::string& name, int& code);

// The name keyCodeForName takes for a code (A, 1, F12, NUMPAD0, ESCAPE), in capitals;
// empty for a code that has none.
std::string keyNameForCode(int code);

// The --help paragraph listing every key name, lines of at most 80 columns,
// ending in a newline.
const std::string& keyNamesHelp();

}  // namespace frame
