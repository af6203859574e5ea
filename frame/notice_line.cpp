// notice_line.cpp -- the notice line's record, set and aged.
#include "frame/notice_line.h"

#include <cstdio>

namespace frame {

void showNoticeLine(NoticeLine& screenshotNotice, const char* text, bool failed,
                    std::uint32_t now) {
    std::snprintf(screenshotNotice.text, sizeof screenshotNotice.text, "%s", text);
    screenshotNotice.failed = failed;
    screenshotNotice.since = now;
}

void ageNoticeLine(NoticeLine& screenshotNotice, std::uint32_t now) {
    // Unsigned differences stay right across the tick count's wrap.
    if (screenshotNotice.text[0] != '\0' && now - screenshotNotice.since >= kNoticeLineMs)
        screenshotNotice.text[0] = '\0';
}

}  // namespace frame
