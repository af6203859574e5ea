// record_options.cpp -- parsing of the record tool's options and the choice of frames to write.
#include "tools/record_options.h"

#include <algorithm>
#include <cstdio>

#include "frame/views.h"
#include "tools/audio_option.h"
#include "tools/replays_option.h"
#include "tools/session_option.h"

namespace tools {

// The largest picture side accepted: far beyond any display, and small
// enough that the buffers of a picture stay well within memory.
static constexpr int kMaxPictureSide = 8192;

using common::quoted;

// A whole number from 1 to `limit`.
static bool parsePositive(const std::string& text, std::uint64_t limit, std::int64_t& value) {
    std::uint64_t result = 0;
    if (!common::parseNumber(text, limit, result) || result < 1)
        return false;
    value = static_cast<std::int64_t>(result);
    return true;
}

static bool parseFrameList(const std::string& text, std::vector<std::int64_t>& frames) {
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string item = text.substr(start, comma - start);
        std::int64_t frame = 0;
        if (!parsePositive(item, frame::kMaxFrameNumber, frame))
            return false;
        frames.push_back(frame);
        if (comma == std::string::npos)
            return true;
        start = comma + 1;
    }
}

static bool parseSize(const std::string& text, std::int64_t& width, std::int64_t& height) {
    const std::size_t x = text.find('x');
    if (x == std::string::npos)
        return false;
    return parsePositive(text.substr(0, x), kMaxPictureSide, width) &&
           parsePositive(text.substr(x + 1), kMaxPictureSide, height);
}

std::vector<common::OptionRow> recordOptionRows() {
    return frame::toolOptionRows({
        {"out", 0, "DIR", "write the chosen frames as DIR/frame-NNNNN.png (DIR is made)", 0},
        {"at", 0, "F1,F2,...", "with --out: write only these frames", 0},
        {"every", 0, "K", "with --out: write every K-th frame", 0},
        {"clip", 0, "FILE",
         "write frames F..FRAMES as a clip, a picture every 33 ms, by\nFILE's ending: .webp an "
         "animated WebP (silent), .mp4 H.264 video\nwith AAC sound, .webm VP9 video with Opus "
         "sound",
         0},
        {"from", 0, "F", "with --clip: the first frame of the clip (default 1)", 0},
        {"view", 0, "V",
         "see every frame from view V, as if its key were held: 1 the start\nview, 2 to 5 the "
         "preset views, 6 the camera that follows the ball",
         0},
        {"goal", 0, "N",
         "with --clip: the replay of the N-th goal of the match, as\n--replays shows it: the "
         "six seconds before the ball crossed\nthe goal line, from behind the goal",
         0},
        {"size", 0, "WxH",
         "picture size in pixels, each 1 to 8192 (default 1024x768, or\nthe window's size at a "
         "session's end)",
         0},
        audioOptionRow(),
        replaysOptionRow(),
        sessionOptionRow(),
    });
}

static bool endsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The endings --clip takes, and whether the clip's pictures need even sides
// (H.264 and VP9 keep colour at half the size each way).
struct ClipEnding {
    const char* ending;
    bool evenSides;
};
static const ClipEnding kClipEndings[] = {{".webp", false}, {".mp4", true}, {".webm", true}};

// The ending of a clip's file name, with a name before it; null for another.
static const ClipEnding* clipEndingOf(const std::string& path) {
    for (const ClipEnding& clip : kClipEndings) {
        const std::string ending = clip.ending;
        if (endsWith(path, ending) && path != ending && !endsWith(path, "/" + ending))
            return &clip;
    }
    return nullptr;
}

// --clip, --from, --view and --goal.
static bool parseClipOption(const std::string& name, const std::string& value,
                            RecordOptions& options, std::string& error) {
    if (name == "--clip") {
        if (clipEndingOf(value) == nullptr) {
            error = "--clip needs a file name ending in .webp, .mp4 or .webm, not " + quoted(value);
            return false;
        }
        options.clipPath = value;
    } else if (name == "--from") {
        if (!parsePositive(value, frame::kMaxFrameNumber, options.from)) {
            error = "--from needs a frame number of 1 or more, not " + quoted(value);
            return false;
        }
    } else if (name == "--view") {
        std::uint64_t view = 0;
        if (!common::parseNumber(value, frame::kLastView, view) || view < frame::kFirstView) {
            error = "--view needs a view from 1 to 6, not " + quoted(value);
            return false;
        }
        options.view = static_cast<int>(view);
    } else {
        if (!parsePositive(value, frame::kMaxFrameNumber, options.goal)) {
            error = "--goal needs a goal number of 1 or more, not " + quoted(value);
            return false;
        }
    }
    return true;
}

bool parseRecordOptions(const std::vector<frame::ExtraArgument>& extras, RecordOptions& options,
                        std::string& error) {
    std::vector<std::string> seen;
    for (const frame::ExtraArgument& extra : extras) {
        const std::string& name = extra.name;
        const std::string& value = extra.value;
        if (std::find(seen.begin(), seen.end(), name) != seen.end()) {
            error = name + " is given twice";
            return false;
        }
        seen.push_back(name);
        if (name == "--clip" || name == "--from" || name == "--view" || name == "--goal") {
            if (!parseClipOption(name, value, options, error))
                return false;
        } else if (name == "--replays") {
            options.replays = true;
        } else if (name == "--audio") {
            if (!readAudioPath(value, options.audioPath, error))
                return false;
        } else if (name == "--out") {
            if (value.empty()) {
                error = "--out needs a directory";
                return false;
            }
            options.outDir = value;
        } else if (name == "--at") {
            if (!parseFrameList(value, options.at)) {
                error = "--at needs frame numbers of 1 or more, separated by commas, not " +
                        quoted(value);
                return false;
            }
        } else if (name == "--every") {
            if (!parsePositive(value, frame::kMaxFrameNumber, options.every)) {
                error = "--every needs a whole number of 1 or more, not " + quoted(value);
                return false;
            }
        } else if (name == "--size") {
            std::int64_t width = 0, height = 0;
            if (!parseSize(value, width, height)) {
                error = "--size needs WIDTHxHEIGHT, each from 1 to " +
                        std::to_string(kMaxPictureSide) + ", not " + quoted(value);
                return false;
            }
            options.width = static_cast<int>(width);
            options.height = static_cast<int>(height);
            options.sizeGiven = true;
        } else {
            error = "unknown option '" + name + "'";
            return false;
        }
    }
    std::sort(options.at.begin(), options.at.end());
    options.at.erase(std::unique(options.at.begin(), options.at.end()), options.at.end());
    return true;
}

bool readRecordCommandLine(const common::ParsedArguments& parsed, frame::FrameScript& script,
                           RecordOptions& options, std::string& error) {
    if (!frame::readFrameScript(parsed, script, error, false) ||
        !takeSessionOption(script, options.sessionPath, error) ||
        !parseRecordOptions(script.extras, options, error))
        return false;
    if (script.listTeams)
        return true;
    if (options.sessionPath.empty())
        return checkRecordRequest(script, options, error);
    // A session's own camera keys and frames: no view held over them, no goal searched for.
    const char* refused = options.goal > 0 ? "--goal" : options.view > 0 ? "--view" : nullptr;
    if (refused != nullptr) {
        error = std::string("--session runs the session's own frames; ") + refused +
                " cannot go with it";
        return false;
    }
    return true;
}

bool checkRecordRequest(const frame::FrameScript& script, const RecordOptions& options,
                        std::string& error) {
    const bool out = !options.outDir.empty();
    const bool clip = !options.clipPath.empty();
    const ClipEnding* ending = clipEndingOf(options.clipPath);
    if (options.width > kMaxPictureSide || options.height > kMaxPictureSide) {
        error = "the session's window, " + std::to_string(options.width) + "x" +
                std::to_string(options.height) + ", is beyond " + std::to_string(kMaxPictureSide) +
                " pixels a side: give --size";
        return false;
    }
    if (ending != nullptr && ending->evenSides &&
        (options.width % 2 != 0 || options.height % 2 != 0)) {
        error = ".mp4 and .webm clips need an even width and height, not " +
                std::to_string(options.width) + "x" + std::to_string(options.height);
        return false;
    }
    if (options.goal > 0) {
        const char* refused = script.framesGiven        ? "FRAMES"
                              : out                     ? "--out"
                              : !options.at.empty()     ? "--at"
                              : options.every > 0       ? "--every"
                              : !script.holds.empty()   ? "--hold"
                              : !script.toggles.empty() ? "--toggle"
                              : options.from != 0       ? "--from"
                              : options.view != 0       ? "--view"
                                                        : nullptr;
        if (refused != nullptr) {
            error = std::string(
                        "--goal replays the match's goal from its own frames and "
                        "camera; ") +
                    refused + " cannot go with it";
            return false;
        }
        if (!clip) {
            error = "--goal needs --clip FILE";
            return false;
        }
        return true;
    }
    if (!script.framesGiven) {
        error = "FRAMES is missing";
        return false;
    }
    if (!out && !clip) {
        error = "--out DIR or --clip FILE is required";
        return false;
    }
    if (!out && (!options.at.empty() || options.every > 0)) {
        error = std::string(options.every > 0 ? "--every" : "--at") + " needs --out DIR";
        return false;
    }
    if (!options.at.empty() && options.at.back() > script.frames) {
        error = "--at frame " + std::to_string(options.at.back()) + " is beyond the last frame, " +
                std::to_string(script.frames);
        return false;
    }
    if (!clip && options.from != 0) {
        error = "--from needs --clip FILE";
        return false;
    }
    if (clip && script.frames == 0) {
        error = "a clip needs FRAMES of 1 or more";
        return false;
    }
    if (clip && options.from > script.frames) {
        error = "--from frame " + std::to_string(options.from) + " is beyond the last frame, " +
                std::to_string(script.frames);
        return false;
    }
    return true;
}

void addViewHold(frame::FrameScript& script, int view) {
    if (view != 0 && script.frames > 0)
        script.holds.push_back(frame::KeyHold{frame::viewKey(view), 1, script.frames});
}

bool isChosenFrame(const RecordOptions& options, std::int64_t frame) {
    if (options.at.empty() && options.every == 0)
        return true;
    if (options.every > 0 && frame % options.every == 0)
        return true;
    return std::binary_search(options.at.begin(), options.at.end(), frame);
}

std::string framePath(const std::string& outDir, std::int64_t frame) {
    char name[48];
    std::snprintf(name, sizeof name, "frame-%05lld.png", static_cast<long long>(frame));
    return outDir + "/" + name;
}

}  // namespace tools
