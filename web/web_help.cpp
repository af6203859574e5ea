// web_help.cpp -- the page's help from the key guide, in the page's words where they differ.
#include "web/web_help.h"

#include <string>

#include "frame/key_guide.h"
#include "frame/key_names.h"
#include "platform/key_codes.h"
#include "platform/web/web_page.h"
#include "web/web_input.h"

namespace web {

struct PageWords {
    int key;
    const char* action;
};

// The guide's keys that do something else on the page, or that the browser
// answers itself.
static const PageWords kPageWords[] = {
    {platform::kVkF1, "full screen on or off (the match and the landscape go on)"},
    {platform::kVkF9, "a link that plays the last 30 seconds, to share or copy"},
    {platform::kVkF11, "the browser's own full screen"},
    {platform::kVkF12, "save the picture as a PNG download"},
    {platform::kVkSnapshot, "save the picture, as F12"},
};

// What only the page has, then what touch does (web_touch.cpp).
static const char* const kPageRows[][2] = {
    {"S", "save the picture as a PNG download, as F12"},
    {"Double-click", "full screen on or off, as F1"},
    {"Mouse", "moving it shows the controls for three seconds"},
    {"Shift+Tab", "from the picture to the controls"},
};
static const char* const kTouchRows[][2] = {
    {"Tap", "show the controls for three seconds"},
    {"One finger", "drag to turn and tilt the view"},
    {"Two fingers", "pinch to zoom, drag to move"},
    {"Double tap", "full screen on or off"},
};

void fillPageHelp() {
    for (const frame::KeyGuideEntry& entry : frame::kKeyGuide) {
        std::string name;
        for (const char* c = entry.key; *c != '\0'; ++c) {
            if (*c != ' ')
                name += *c;  // "Print Screen" is PRINTSCREEN to the key names
        }
        int code = 0;
        if (!frame::keyCodeForName(name, code))
            continue;  // Alt+Enter, Alt+F4: the browser's and the system's
        const char* action = pageTakesKey(code) ? entry.action : nullptr;
        for (const PageWords& words : kPageWords) {
            if (words.key == code)
                action = words.action;
        }
        if (action != nullptr)
            addPageHelpRow(entry.key, action, false);
    }
    for (const auto& row : kPageRows)
        addPageHelpRow(row[0], row[1], false);
    for (const auto& row : kTouchRows)
        addPageHelpRow(row[0], row[1], true);
}

}  // namespace web
