// screen_saver_switches_test.cpp -- the screen saver's command line in Windows' conventions.
#include "app/screen_saver_switches.h"

#include <gtest/gtest.h>

#include <vector>

TEST(ScreenSaverSwitches, WindowsConventions) {
    using Mode = app::ScreenSaverMode;
    struct Row {
        std::vector<const char*> arguments;
        Mode mode;
        std::uint64_t window;
    };
    const Row rows[] = {
        {{}, Mode::settings, 0},
        {{"-C:1234"}, Mode::settings, 1234},
        {{"-S"}, Mode::show, 0},
        {{"/P:18446744073709551615"}, Mode::preview, UINT64_MAX},
        {{"/p"}, Mode::bad, 0},
        {{"/p:0"}, Mode::bad, 0},
        {{"/p:18446744073709551616"}, Mode::bad, 0},
        {{"/s:5"}, Mode::bad, 0},
        {{"s"}, Mode::bad, 0},
        {{"/c", "1", "2"}, Mode::bad, 0},
    };
    for (const Row& row : rows) {
        std::vector<const char*> argv = {"football.scr"};
        argv.insert(argv.end(), row.arguments.begin(), row.arguments.end());
        const app::ScreenSaverSwitches switches =
            app::parseScreenSaverSwitches(static_cast<int>(argv.size()), argv.data());
        const std::string line = row.arguments.empty() ? "(none)" : row.arguments[0];
        EXPECT_EQ(switches.mode, row.mode) << line;
        EXPECT_EQ(switches.window, row.window) << line;
        EXPECT_EQ(switches.error.empty(), row.mode != Mode::bad) << line;
    }
}
