// frame_script.cpp -- parsing the headless tools' shared options and playing them back.
#include "tools/frame_script.h"

#include <algorithm>
#include <cstring>

#include "tools/key_names.h"

namespace tools {

bool parseDecimal(const std::string& text, std::int64_t& value) {
    if (text.empty() || text.size() > 18)
        return false;
    std::int64_t result = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        result = result * 10 + (c - '0');
    }
    value = result;
    return true;
}

// A key: hex with a 0x prefix, a decimal code of two or more digits, or a key
// name (one digit names its key: "1" is the restart key, not code 1).
static bool parseKey(const std::string& text, int& key) {
    std::int64_t value = 0;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        if (text.size() > 6)
            return false;
        for (std::size_t i = 2; i < text.size(); ++i) {
            const char c = text[i];
            int digit = 0;
            if (c >= '0' && c <= '9') {
                digit = c - '0';
            } else if (c >= 'a' && c <= 'f') {
                digit = c - 'a' + 10;
            } else if (c >= 'A' && c <= 'F') {
                digit = c - 'A' + 10;
            } else {
                return false;
            }
            value = value * 16 + digit;
        }
    } else if (text.size() < 2 || !parseDecimal(text, value)) {
        return keyCodeForName(text, key);
    }
    if (value > 255)
        return false;
    key = static_cast<int>(value);
    return true;
}

std::string quoted(const std::string& text) {
    static const char kHex[] = "0123456789abcdef";
    std::string result = "'";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            result += "\\n";
        } else if (c == '\t') {
            result += "\\t";
        } else if (byte < 0x20 || byte == 0x7f) {
            result += "\\x";
            result += kHex[byte >> 4];
            result += kHex[byte & 15];
        } else {
            result += c;
        }
    }
    return result + "'";
}

// KEY@FROM or KEY@FROM-TO.
static bool parseHold(const std::string& text, KeyHold& hold, std::string& error) {
    const std::size_t at = text.find('@');
    if (at == std::string::npos) {
        error = "--hold needs KEY@FROM or KEY@FROM-TO, not " + quoted(text);
        return false;
    }
    const std::string keyText = text.substr(0, at);
    if (!parseKey(keyText, hold.key)) {
        error =
            "--hold key must be a key name (O, F1, ESCAPE, ...; see --help) or a code from 0 to "
            "255 (two or more digits, or 0x hex), not " +
            quoted(keyText);
        return false;
    }
    const std::string range = text.substr(at + 1);
    const std::size_t dash = range.find('-', 1);
    const std::string fromText = range.substr(0, dash);
    const std::string toText = dash == std::string::npos ? fromText : range.substr(dash + 1);
    if (!parseDecimal(fromText, hold.from) || !parseDecimal(toText, hold.to)) {
        error = "--hold frames must be whole numbers of 1 or more, not " + quoted(range);
        return false;
    }
    if (hold.from == 0 || hold.to == 0) {
        error = "--hold frames start at 1, not 0 (in " + quoted(text) + ")";
        return false;
    }
    if (hold.from > hold.to) {
        error = "--hold range ends before it starts: " + quoted(range);
        return false;
    }
    return true;
}

static const ExtraOption* findExtra(const std::vector<ExtraOption>& extra,
                                    const std::string& name) {
    for (const ExtraOption& option : extra) {
        if (option.name == name)
            return &option;
    }
    return nullptr;
}

bool parseFrameScript(const std::vector<std::string>& args, const std::vector<ExtraOption>& extra,
                      FrameScript& script, std::string& error, bool framesRequired) {
    script = FrameScript{};
    bool haveFrames = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool isOption = arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9');
        if (!isOption) {
            std::int64_t frames = 0;
            if (!parseDecimal(arg, frames)) {
                error = "FRAMES must be a whole number of 0 or more, not " + quoted(arg);
                return false;
            }
            if (haveFrames) {
                error =
                    "FRAMES given twice (" + std::to_string(script.frames) + " and " + arg + ")";
                return false;
            }
            script.frames = frames;
            haveFrames = true;
            continue;
        }
        const ExtraOption* option = findExtra(extra, arg);
        const bool takesValue =
            arg == "--hold" || arg == "--toggle" || (option != nullptr && option->takesValue);
        if (arg != "--hold" && arg != "--toggle" && option == nullptr) {
            error = "unknown option " + quoted(arg);
            return false;
        }
        if (takesValue && i + 1 >= args.size()) {
            error = arg + " needs a value";
            return false;
        }
        const std::string value = takesValue ? args[++i] : std::string();
        if (arg == "--hold") {
            KeyHold hold = {};
            if (!parseHold(value, hold, error))
                return false;
            script.holds.push_back(hold);
        } else if (arg == "--toggle") {
            std::int64_t after = 0;
            if (!parseDecimal(value, after) || after == 0) {
                error = "--toggle needs a frame number of 1 or more, not " + quoted(value);
                return false;
            }
            script.toggles.push_back(after);
        } else {
            script.extras.push_back(ExtraArgument{arg, value});
        }
    }
    script.framesGiven = haveFrames;
    if (!haveFrames && framesRequired) {
        error = "FRAMES is missing";
        return false;
    }
    std::sort(script.toggles.begin(), script.toggles.end());
    return true;
}

void applyKeyHolds(const FrameScript& script, std::int64_t frame, frame::KeyTable& keys) {
    std::memset(keys.held, 0, sizeof keys.held);
    for (const KeyHold& hold : script.holds) {
        if (frame >= hold.from && frame <= hold.to)
            keys.held[hold.key] = true;
    }
}

int togglesAfter(const FrameScript& script, std::int64_t frame) {
    const auto range = std::equal_range(script.toggles.begin(), script.toggles.end(), frame);
    return static_cast<int>(range.second - range.first);
}

}  // namespace tools
