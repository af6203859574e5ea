// accepted_arguments_test.cpp -- the tools' accepted command lines and their meaning: each
// line means what the plain line beside it means (--opt=value, "--", hex numbers).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/record_options.h"

namespace tools_test {

// The parsed request as text, or the refusal.
static std::string meaning(const std::vector<std::string>& args) {
    const std::vector<common::OptionRow> rows = tools::recordOptionRows();
    frame::FrameScript script;
    tools::RecordOptions options;
    std::string error;
    if (!tools::readRecordCommandLine(common::parseArguments(args, rows, 0), script, options,
                                      error))
        return "refused: " + error;
    std::string text =
        std::to_string(script.frames) + " out=" + options.outDir + " clip=" + options.clipPath +
        " size=" + std::to_string(options.width) + "x" + std::to_string(options.height) +
        " view=" + std::to_string(options.view) + " goal=" + std::to_string(options.goal);
    for (const frame::KeyHold& hold : script.holds)
        text += " hold=" + std::to_string(hold.key) + "@" + std::to_string(hold.from) + "-" +
                std::to_string(hold.to);
    for (const std::int64_t after : script.toggles)
        text += " toggle=" + std::to_string(after);
    for (const std::int64_t frame : options.at)
        text += " at=" + std::to_string(frame);
    return text;
}

TEST(AcceptedArguments, EachLineMeansWhatThePlainLineMeans) {
    const std::vector<std::vector<std::string>> kSame[] = {
        {{"5", "--out=d", "--hold=O@2-3", "--toggle=4"},
         {"5", "--out", "d", "--hold", "O@2-3", "--toggle", "4"}},
        {{"--out", "d", "--", "5"}, {"5", "--out", "d"}},
        {{"0x10", "--out", "d", "--at", "0x2,3"}, {"16", "--out", "d", "--at", "3,2"}},
        {{"5", "--out", "d", "--hold", "0x4f@1", "--hold", "79@1"},
         {"5", "--out", "d", "--hold", "O@1", "--hold", "o@1"}},
        {{"600", "--clip=a.webp", "--size=640x480", "--view=5"},
         {"600", "--clip", "a.webp", "--size", "640x480", "--view", "5"}},
        {{"--goal=1", "--clip=a.webp"}, {"--clip", "a.webp", "--goal", "1"}},
    };
    for (const auto& same : kSame) {
        const std::string plain = meaning(same[1]);
        EXPECT_EQ(plain.rfind("refused", 0), std::string::npos) << plain;
        EXPECT_EQ(meaning(same[0]), plain);
    }
}

}  // namespace tools_test
