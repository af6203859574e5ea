// screenshot_notice.h -- the line that says where the latest screenshot went, for two seconds.
#pragma once

#include <cstdint>

namespace frame {

// One member of the world, alive for the whole run, empty at start. Set by
// every screenshot (its file, or why there is none), shown at the bottom of
// the picture after the screenshot's read-back, so never in a screenshot.
struct ScreenshotNotice {
    char text[320];       // empty: nothing shown
    bool failed;          // the text names an error
    std::uint32_t since;  // the tick count when it was set
};

// How long the notice stays, in milliseconds.
constexpr std::uint32_t kScreenshotNoticeMs = 2000;

// Sets the notice's text (cut to fit), from the tick count `now` on.
void showScreenshotNotice(ScreenshotNotice& notice, const char* text, bool failed,
                          std::uint32_t now);

// Every frame of the program, after the pacing step: empties the notice once
// it has been shown for kScreenshotNoticeMs.
void ageScreenshotNotice(ScreenshotNotice& notice, std::uint32_t now);

}  // namespace frame
