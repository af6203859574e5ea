// frame_script.h -- the command line shared by the headless tools (how many frames, which
// keys are held when, after which frames the window is re-created) and the per-frame
// lookups that play it back. Used by football-trace, football-record and the page's links.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "audio/frame_cues.h"
#include "common/command_line.h"
#include "common/match_seed.h"
#include "frame/key_table.h"
#include "frame/world.h"

namespace frame {

struct ReplayTape;

// One --hold KEY@FROM[-TO]: the key is held during frames FROM..TO (1-based, inclusive).
struct KeyHold {
    int key;  // virtual-key code 0..255
    std::int64_t from;
    std::int64_t to;
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
    common::MatchChoice matches;        // --seed, --random, --match-minutes
};

// A tool's table of options: FRAMES and --hold, --toggle, --seed, --random
// and --match-minutes, which every tool has, around the tool's `own` rows
// (its options, in the order its help lists them).
std::vector<common::OptionRow> toolOptionRows(const std::vector<common::OptionRow>& own);

// Called once by a tool's main with its arguments as parsed against its
// table (no help or version request). Takes FRAMES (once, required), --hold
// KEY@FROM[-TO] and --toggle AFTER (both repeatable), and passes the tool's
// own options on in `extras`. KEY is a key name (O, 1, F1, ESCAPE:
// keyCodeForName), or a code of two or more digits, decimal or 0x hex; frame
// numbers are at least 1. On a bad argument returns false with a one-line
// message (no program name, no newline) in `error`. With `framesRequired`
// false a missing FRAMES is no error (football-record's --goal finds its own
// frames); `framesGiven` tells which it was.
bool readFrameScript(const common::ParsedArguments& parsed, FrameScript& script, std::string& error,
                     bool framesRequired = true);

// Both steps on arguments without the program's name, for the tests and the
// fuzz target: parsed against toolOptionRows(own); a help or version request
// is refused here.
bool parseFrameScript(const std::vector<std::string>& args,
                      const std::vector<common::OptionRow>& own, FrameScript& script,
                      std::string& error, bool framesRequired = true);

// The largest frame number the tools take: 18 digits, within the frame counter.
constexpr std::uint64_t kMaxFrameNumber = 999999999999999999;

// Before running frame `frame` (1-based): sets the key table to exactly the
// keys the script holds during that frame and clears every other entry.
void applyKeyHolds(const FrameScript& script, std::int64_t frame, KeyTable& keys);

// After frame `frame` has run: how many window re-creations follow it (each
// runs the scene initialisation once). 0 for most frames.
int togglesAfter(const FrameScript& script, std::int64_t frame);

// What a scripted frame's step gives its caller.
struct ScriptedStep {
    bool nextMatch;         // the step began the next match of a series (a new landscape)
    audio::FrameCues cues;  // the frame's sound cues
};

// Frame `frame` of a script, as every tool and the page's links run it: the
// script's keys for it, then the frame's step with the host's replay tape
// (stepFrame, replay_tape.h). The window re-creations after it are the
// caller's: a tool with a context re-creates it there.
ScriptedStep stepScriptedFrame(World& world, ReplayTape& tape, const FrameScript& script,
                               std::int64_t frame);

}  // namespace frame
