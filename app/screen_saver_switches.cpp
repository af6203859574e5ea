// screen_saver_switches.cpp -- reads /s, /p HWND and /c[:HWND] as Windows gives them.
#include "app/screen_saver_switches.h"

#include <cctype>

namespace app {

// A window handle in decimal, as Windows writes it; false for anything else
// (empty, a sign, other characters, more than 64 bits).
static bool readHandle(const std::string& text, std::uint64_t& handle) {
    if (text.empty() || text.size() > 20)
        return false;
    std::uint64_t value = 0;
    for (const char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
        const std::uint64_t digit = static_cast<std::uint64_t>(c - '0');
        if (value > (UINT64_MAX - digit) / 10)
            return false;
        value = value * 10 + digit;
    }
    handle = value;
    return true;
}

static ScreenSaverSwitches bad(const std::string& error) {
    ScreenSaverSwitches switches;
    switches.mode = ScreenSaverMode::bad;
    switches.error = error;
    return switches;
}

ScreenSaverSwitches parseScreenSaverSwitches(int argc, const char* const* argv) {
    ScreenSaverSwitches switches;
    if (argc < 2)
        return switches;  // no argument: the settings
    const std::string first = argv[1];
    if (first.size() < 2 || (first[0] != '/' && first[0] != '-') ||
        (first.size() > 2 && first[2] != ':'))
        return bad("unknown switch \"" + first + "\"");
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(first[1])));
    if (letter == 's')
        switches.mode = ScreenSaverMode::show;
    else if (letter == 'p')
        switches.mode = ScreenSaverMode::preview;
    else if (letter == 'c')
        switches.mode = ScreenSaverMode::settings;
    else
        return bad("unknown switch \"" + first + "\"");

    // The handle: after the colon, or the next argument.
    std::string handle;
    int next = 2;
    if (first.size() > 2)
        handle = first.substr(3);
    else if (argc > 2 && switches.mode != ScreenSaverMode::show)
        handle = argv[next++];
    if (next < argc)
        return bad("unexpected \"" + std::string(argv[next]) + "\" after " + first);

    if (switches.mode == ScreenSaverMode::show) {
        if (first.size() > 2)
            return bad("/s takes no window handle");
        return switches;
    }
    if (handle.empty() && switches.mode == ScreenSaverMode::settings)
        return switches;
    if (!readHandle(handle, switches.window) ||
        (switches.mode == ScreenSaverMode::preview && switches.window == 0))
        return bad(handle.empty() ? "/p needs the preview's window handle"
                                  : "\"" + handle + "\" is not a window handle");
    return switches;
}

}  // namespace app
