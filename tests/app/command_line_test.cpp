// command_line_test.cpp -- the program's options: each argument list and what it asks for.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using app::CommandAction;
using app::DisplayChoice;

struct Case {
    std::vector<const char*> args;  // without the program's name
    CommandAction action;
    DisplayChoice display;
    std::string error;
};

const Case kCases[] = {
    {{}, CommandAction::run, DisplayChoice::ask, ""},
    {{"--window"}, CommandAction::run, DisplayChoice::windowed, ""},
    {{"--fullscreen"}, CommandAction::run, DisplayChoice::fullscreen, ""},
    {{"--window", "--window"}, CommandAction::run, DisplayChoice::windowed, ""},
    {{"--help"}, CommandAction::help, DisplayChoice::ask, ""},
    {{"-h"}, CommandAction::help, DisplayChoice::ask, ""},
    {{"--version"}, CommandAction::version, DisplayChoice::ask, ""},
    // The first request wins, over bad arguments too.
    {{"--version", "--help"}, CommandAction::version, DisplayChoice::ask, ""},
    {{"--bogus", "stray", "-h"}, CommandAction::help, DisplayChoice::ask, ""},
    // The first bad argument is named.
    {{"--bogus", "x"}, CommandAction::usageError, DisplayChoice::ask, "unknown option '--bogus'"},
    {{"--bogus=1"}, CommandAction::usageError, DisplayChoice::ask, "unknown option '--bogus'"},
    {{"-w"}, CommandAction::usageError, DisplayChoice::ask, "unknown option '-w'"},
    {{"-hh"}, CommandAction::usageError, DisplayChoice::ask, "unknown option '-hh'"},
    {{"--win"}, CommandAction::usageError, DisplayChoice::ask, "unknown option '--win'"},
    {{"window"}, CommandAction::usageError, DisplayChoice::ask, "unexpected argument 'window'"},
    {{"-"}, CommandAction::usageError, DisplayChoice::ask, "unexpected argument '-'"},
    {{"--window", "--", "--help"},
     CommandAction::usageError,
     DisplayChoice::windowed,
     "unexpected argument '--help'"},
    {{"--window=no"},
     CommandAction::usageError,
     DisplayChoice::ask,
     "option '--window' takes no value"},
    {{"--fullscreen", "--window"},
     CommandAction::usageError,
     DisplayChoice::fullscreen,
     "--window and --fullscreen cannot be used together"},
};

TEST(CommandLine, EachArgumentListAsksForWhatItSays) {
    for (const Case& c : kCases) {
        std::vector<const char*> argv = {"football"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        std::string shown;
        for (const char* arg : c.args)
            shown += std::string(" ") + arg;
        const app::CommandLine line =
            app::parseCommandLine(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(line.action, c.action) << shown;
        EXPECT_EQ(line.display, c.display) << shown;
        EXPECT_EQ(line.error, c.error) << shown;
    }
}

}  // namespace
