// notice_line.h -- the line along the picture's bottom that says, for two seconds or as long as
// its owner keeps it up, what just happened: where a screenshot or a clip went, the sound's
// state, a session's end.
#pragma once

#include <cstdint>

namespace frame {

// One member of the world, alive for the whole run, empty at start. Set by
// every screenshot (its file, or why there is none), M (the sound), F9 (the
// clip or the session kept) and a played session's end; shown at the bottom
// of the picture after the screenshot's read-back, so never in a screenshot.
struct NoticeLine {
    char text[320];       // empty: nothing shown
    bool failed;          // the text names an error
    std::uint32_t since;  // the tick count when it was set
};

// How long the line stays, in milliseconds.
constexpr std::uint32_t kNoticeLineMs = 2000;

// Sets the line's text (cut to fit), from the tick count `now` on.
void showNoticeLine(NoticeLine& notice, const char* text, bool failed, std::uint32_t now);

// Every frame of the program, after the pacing step: empties the line once
// it has been shown for kNoticeLineMs.
void ageNoticeLine(NoticeLine& notice, std::uint32_t now);

}  // namespace frame
