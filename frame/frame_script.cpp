// frame_script.cpp -- parsing the headless tools' shared options and playing them back.
#include "frame/frame_script.h"

#include <algorithm>
#include <cstring>

#include "common/match_options.h"
#include "frame/key_names.h"

namespace frame {

using common::quoted;

// A frame number of 0 or more.
static bool parseFrame(const std::string& text, std::int64_t& frame) {
    std::uint64_t value = 0;
    if (!common::parseNumber(text, kMaxFrameNumber, value))
        return false;
    frame = static_cast<std::int64_t>(value);
    return true;
}

// A key: a code of two or more digits (decimal, or hex after 0x), or a key
// name (one digit names its key: "1" is the restart key, not code 1).
static bool parseKey(const std::string& text, int& key) {
    std::uint64_t value = 0;
    if (text.size() < 2 || !common::parseNumber(text, 255, value))
        return keyCodeForName(text, key);
    key = static_cast<int>(value);
    return true;
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
    if (!parseFrame(fromText, hold.from) || !parseFrame(toText, hold.to)) {
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

static const common::OptionRow kFramesRow = {nullptr, 0, "FRAMES", "frames to run after start-up",
                                             0};
static const common::OptionRow kHoldRow = {
    "hold", 0, "KEY@FROM[-TO]",
    "hold a key (a name such as O, 1, F1, ESCAPE, or a code) in\nframes FROM..TO", 0};
static const common::OptionRow kToggleRow = {
    "toggle", 0, "AFTER", "re-create the window after frame AFTER, as F1 does", 0};

std::vector<common::OptionRow> toolOptionRows(const std::vector<common::OptionRow>& own) {
    std::vector<common::OptionRow> rows = {kFramesRow};
    rows.insert(rows.end(), own.begin(), own.end());
    rows.push_back(kHoldRow);
    rows.push_back(kToggleRow);
    const std::vector<common::OptionRow>& matches = common::matchOptionRows();
    rows.insert(rows.end(), matches.begin(), matches.end());
    const std::vector<common::OptionRow>& teams = common::teamsOptionRows();
    rows.insert(rows.end(), teams.begin(), teams.end());
    return rows;
}

static bool isRow(const common::OptionRow* option, const common::OptionRow& row) {
    return option != nullptr && std::strcmp(option->longName, row.longName) == 0;
}

// One argument of the frame script, or one of the tool's own passed on.
static bool readArgument(const common::Argument& argument, FrameScript& script, bool& haveFrames,
                         std::string& error) {
    const std::string& value = argument.value;
    if (argument.option == nullptr) {
        std::int64_t frames = 0;
        if (!parseFrame(value, frames)) {
            error = "FRAMES must be a whole number of 0 or more, not " + quoted(value);
            return false;
        }
        if (haveFrames) {
            error = "FRAMES given twice (" + std::to_string(script.frames) + " and " +
                    quoted(value) + ")";
            return false;
        }
        script.frames = frames;
        haveFrames = true;
    } else if (isRow(argument.option, kHoldRow)) {
        KeyHold hold = {};
        if (!parseHold(value, hold, error))
            return false;
        script.holds.push_back(hold);
    } else if (isRow(argument.option, kToggleRow)) {
        std::int64_t after = 0;
        if (!parseFrame(value, after) || after == 0) {
            error = "--toggle needs a frame number of 1 or more, not " + quoted(value);
            return false;
        }
        script.toggles.push_back(after);
    } else if (common::isMatchOption(argument.option)) {
        return common::readMatchOption(argument, script.matches, error);
    } else if (isRow(argument.option, common::teamsOptionRows()[0])) {
        if (!script.teamsFile.empty() || value.empty()) {
            error = value.empty() ? "--teams-file needs a file" : "--teams-file is given twice";
            return false;
        }
        script.teamsFile = value;
    } else if (isRow(argument.option, common::teamsOptionRows()[1])) {
        script.listTeams = true;
    } else {
        script.extras.push_back(
            ExtraArgument{std::string("--") + argument.option->longName, value});
    }
    return true;
}

bool readFrameScript(const common::ParsedArguments& parsed, FrameScript& script, std::string& error,
                     bool framesRequired) {
    script = FrameScript{};
    bool haveFrames = false;
    for (const common::Argument& argument : parsed.arguments) {
        if (!readArgument(argument, script, haveFrames, error))
            return false;
    }
    if (!parsed.error.empty()) {
        error = parsed.error;
        return false;
    }
    script.framesGiven = haveFrames;
    if (!haveFrames && framesRequired && !script.listTeams) {
        error = "FRAMES is missing";
        return false;
    }
    std::sort(script.toggles.begin(), script.toggles.end());
    return true;
}

bool parseFrameScript(const std::vector<std::string>& args,
                      const std::vector<common::OptionRow>& own, FrameScript& script,
                      std::string& error, bool framesRequired) {
    const std::vector<common::OptionRow> rows = toolOptionRows(own);
    const common::ParsedArguments parsed = common::parseArguments(args, rows, 0);
    if (parsed.request != common::Request::none) {
        error = "a help or version request is no frame script";
        return false;
    }
    return readFrameScript(parsed, script, error, framesRequired);
}

void applyKeyHolds(const FrameScript& script, std::int64_t frame, KeyTable& keys) {
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

}  // namespace frame
