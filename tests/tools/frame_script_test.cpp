// frame_script_test.cpp -- the headless tools' shared options and their playback.
#include "frame/frame_script.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using frame::FrameScript;

bool parse(const std::vector<std::string>& args, FrameScript& script, std::string& error,
           const std::vector<common::OptionRow>& extra = {}) {
    return frame::parseFrameScript(args, extra, script, error);
}

TEST(FrameScript, ParsesFramesHoldsAndToggles) {
    FrameScript script;
    std::string error;
    ASSERT_TRUE(parse({"--hold", "0x31@5-7", "300", "--toggle", "9", "--hold", "72@2", "--toggle",
                       "4", "--toggle", "9"},
                      script, error))
        << error;
    EXPECT_EQ(script.frames, 300);
    ASSERT_EQ(script.holds.size(), 2u);
    EXPECT_EQ(script.holds[0].key, 0x31);
    EXPECT_EQ(script.holds[0].from, 5);
    EXPECT_EQ(script.holds[0].to, 7);
    EXPECT_EQ(script.holds[1].key, 72);
    EXPECT_EQ(script.holds[1].from, 2);
    EXPECT_EQ(script.holds[1].to, 2);
    EXPECT_EQ(frame::togglesAfter(script, 4), 1);
    EXPECT_EQ(frame::togglesAfter(script, 9), 2);
    EXPECT_EQ(frame::togglesAfter(script, 5), 0);
}

TEST(FrameScript, ZeroFramesAndUpperCaseHexAreFine) {
    FrameScript script;
    std::string error;
    EXPECT_TRUE(parse({"0", "--hold", "0XfF@1"}, script, error)) << error;
    EXPECT_EQ(script.frames, 0);
    EXPECT_EQ(script.holds[0].key, 255);
}

TEST(FrameScript, KeysByNameInAnyCase) {
    // One digit names its key; a code needs two digits or more.
    const std::vector<std::pair<std::string, int>> keys = {
        {"O", 0x4F},     {"l", 0x4C},       {"1", 0x31},      {"07", 7},
        {"F1", 0x70},    {"f24", 0x87},     {"ESCAPE", 0x1B}, {"Space", 0x20},
        {"PAUSE", 0x13}, {"NUMPAD7", 0x67}, {"return", 0x0D},
    };
    for (const auto& [name, code] : keys) {
        FrameScript script;
        std::string error;
        ASSERT_TRUE(parse({"5", "--hold", name + "@2"}, script, error)) << name << ": " << error;
        EXPECT_EQ(script.holds[0].key, code) << name;
    }
}

TEST(FrameScript, RefusesBadArgumentsWithAMessage) {
    const std::vector<std::vector<std::string>> bad = {
        {},
        {"12", "13"},
        {"-5"},
        {"abc"},
        {"1.5"},
        {"+3"},
        {"99999999999999999999"},
        {"10", "--frobnicate"},
        {"10", "--hold"},
        {"10", "--hold", "256@1"},
        {"10", "--hold", "-1@1"},
        {"10", "--hold", "0x100@1"},
        {"10", "--hold", "0x@1"},
        {"10", "--hold", "49"},
        {"10", "--hold", "49@0"},
        {"10", "--hold", "49@5-3"},
        {"10", "--hold", "49@3-"},
        {"10", "--hold", "49@-3"},
        {"10", "--hold", "@3"},
        {"10", "--hold", "F0@3"},
        {"10", "--hold", "F25@3"},
        {"10", "--hold", "F01@3"},
        {"10", "--hold", "OL@3"},
        {"10", "--hold", "NUMPAD10@3"},
        {"10", "--toggle", "0"},
        {"10", "--toggle", "-2"},
        {"10", "--toggle"},
        {"10", "--summary"},
    };
    for (const auto& args : bad) {
        FrameScript script;
        std::string error;
        std::string joined;
        for (const auto& arg : args)
            joined += arg + " ";
        EXPECT_FALSE(parse(args, script, error)) << joined;
        EXPECT_FALSE(error.empty()) << joined;
        EXPECT_EQ(error.find('\n'), std::string::npos) << joined;
    }
}

TEST(FrameScript, PassesTheCallersOwnOptionsBack) {
    FrameScript script;
    std::string error;
    ASSERT_TRUE(parse(
        {"--out", "dir", "5", "--summary", "--size", "640x480"}, script, error,
        {{"out", 0, "DIR", "", 0}, {"summary", 0, nullptr, "", 0}, {"size", 0, "WxH", "", 0}}))
        << error;
    EXPECT_EQ(script.frames, 5);
    ASSERT_EQ(script.extras.size(), 3u);
    EXPECT_EQ(script.extras[0].name, "--out");
    EXPECT_EQ(script.extras[0].value, "dir");
    EXPECT_EQ(script.extras[1].name, "--summary");
    EXPECT_EQ(script.extras[1].value, "");
    EXPECT_EQ(script.extras[2].value, "640x480");
    EXPECT_FALSE(parse({"5", "--out"}, script, error, {{"out", 0, "DIR", "", 0}}));
}

TEST(FrameScript, KeyHoldsCoverTheirFramesOnly) {
    FrameScript script;
    std::string error;
    ASSERT_TRUE(parse({"10", "--hold", "0x48@2-3", "--hold", "0x5A@3"}, script, error));
    frame::KeyTable keys = {};
    keys.held[7] = true;  // left over from elsewhere: cleared
    frame::applyKeyHolds(script, 1, keys);
    EXPECT_FALSE(keys.held[0x48]);
    EXPECT_FALSE(keys.held[7]);
    frame::applyKeyHolds(script, 3, keys);
    EXPECT_TRUE(keys.held[0x48]);
    EXPECT_TRUE(keys.held[0x5A]);
    frame::applyKeyHolds(script, 4, keys);
    EXPECT_FALSE(keys.held[0x48]);
    EXPECT_FALSE(keys.held[0x5A]);
}

}  // namespace
