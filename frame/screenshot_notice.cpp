// screenshot_notice.cpp -- the screenshot notice's record, set and aged.
#include "frame/screenshot_notice.h"

#include <cstdio>

namespace frame {

void showScreenshotNotice(ScreenshotNotice& screenshotNotice, const char* text, bool failed,
                          std::uint32_t now) {
    std::snprintf(screenshotNotice.text, sizeof screenshotNotice.text, "%s", text);
    screenshotNotice.failed = failed;
    screenshotNotice.since = now;
}

void ageScreenshotNotice(ScreenshotNotice& screenshotNotice, std::uint32_t now) {
    // Unsigned differences stay right across the tick count's wrap.
    if (screenshotNotice.text[0] != '\0' && now - screenshotNotice.since >= kScreenshotNoticeMs)
        screenshotNotice.text[0] = '\0';
}

}  // namespace frame
