// key_names.cpp -- key names for --hold and their list in --help.
#include "frame/key_names.h"

#include <cctype>
#include <initializer_list>

#include "platform/key_codes.h"

namespace frame {

struct NamedKey {
    const char* name;
    int code;
};

// The keys the program receives besides letters, digits, function and
// keypad keys, in code order.
static const NamedKey kNamedKeys[] = {
    {"BACKSPACE", platform::kVkBack},
    {"TAB", platform::kVkTab},
    {"RETURN", platform::kVkReturn},
    {"SHIFT", platform::kVkShift},
    {"CONTROL", platform::kVkControl},
    {"ALT", platform::kVkMenu},
    {"PAUSE", platform::kVkPause},
    {"CAPSLOCK", platform::kVkCapital},
    {"ESCAPE", platform::kVkEscape},
    {"SPACE", platform::kVkSpace},
    {"PAGEUP", platform::kVkPrior},
    {"PAGEDOWN", platform::kVkNext},
    {"END", platform::kVkEnd},
    {"HOME", platform::kVkHome},
    {"LEFT", platform::kVkLeft},
    {"UP", platform::kVkUp},
    {"RIGHT", platform::kVkRight},
    {"DOWN", platform::kVkDown},
    {"PRINTSCREEN", platform::kVkSnapshot},
    {"INSERT", platform::kVkInsert},
    {"DELETE", platform::kVkDelete},
};

// A number of 1 to `last` written after `prefix` (no leading zeros).
static bool numberAfter(const std::string& text, const std::string& prefix, int last, int& n) {
    if (text.size() <= prefix.size() || text.compare(0, prefix.size(), prefix) != 0 ||
        text[prefix.size()] == '0' || text.size() > prefix.size() + 2)
        return false;
    n = 0;
    for (std::size_t i = prefix.size(); i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i])))
            return false;
        n = n * 10 + (text[i] - '0');
    }
    return n <= last;
}

bool keyCodeForName(const std::string& name, int& code) {
    std::string upper = name;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper.size() == 1 &&
        ((upper[0] >= 'A' && upper[0] <= 'Z') || (upper[0] >= '0' && upper[0] <= '9'))) {
        code = upper[0];  // letters and digits are their own codes
        return true;
    }
    int n = 0;
    if (numberAfter(upper, "F", platform::kVkF24 - platform::kVkF1 + 1, n)) {
        code = platform::kVkF1 + n - 1;
        return true;
    }
    if (upper.size() == 7 && upper.compare(0, 6, "NUMPAD") == 0 && upper[6] >= '0' &&
        upper[6] <= '9') {
        code = platform::kVkNumpad0 + (upper[6] - '0');
        return true;
    }
    for (const NamedKey& key : kNamedKeys) {
        if (upper == key.name) {
            code = key.code;
            return true;
        }
    }
    return false;
}

std::string keyNameForCode(int code) {
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9'))
        return std::string(1, static_cast<char>(code));
    if (code >= platform::kVkF1 && code <= platform::kVkF24)
        return "F" + std::to_string(code - platform::kVkF1 + 1);
    if (code >= platform::kVkNumpad0 && code <= platform::kVkNumpad0 + 9)
        return "NUMPAD" + std::to_string(code - platform::kVkNumpad0);
    for (const NamedKey& key : kNamedKeys) {
        if (key.code == code)
            return key.name;
    }
    return std::string();
}

static std::string wrapKeyNames() {
    std::string text = "Key names for --hold, in any case:";
    std::size_t lineStart = 0;
    auto add = [&](const std::string& word) {
        if (text.size() - lineStart + 1 + word.size() > 80) {
            text += "\n";  // unindented, so that the manual page keeps one paragraph
            lineStart = text.size();
        }
        text += (text.size() == lineStart ? "" : " ") + word;
    };
    add("A-Z,");
    add("0-9,");
    add("F1-F24,");
    add("NUMPAD0-NUMPAD9,");
    for (const NamedKey& key : kNamedKeys)
        add(std::string(key.name) + ",");
    for (const char* word : {"or", "a", "virtual-key", "code", "of", "two", "or", "more", "digits",
                             "(decimal,", "or", "hex", "with", "0x)."})
        add(word);
    return text + "\n";
}

const std::string& keyNamesHelp() {
    static const std::string help = wrapKeyNames();
    return help;
}

}  // namespace frame
