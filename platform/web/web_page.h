// web_page.h -- what the program asks of its page: the address, the one-line message, the log
// of errors, the frame count, the pixel ratio, the help, the full screen and the picture as a
// download.
#pragma once

#include <string>

namespace web {

// The query part of the page's address ("?at=..."), or empty.
std::string pageQuery();

// Shows one line of text over the picture (a bad link, a missing WebGL).
void showPageMessage(const std::string& text);

// The line that says what the match is doing when it is not simply playing
// (going to a link's frame, held there, the picture lost); empty hides it.
void showPageStatus(const std::string& text);

// An error for the browser's console and the page's error log.
void reportPageError(const std::string& text);

// The frames run so far, kept on the canvas (data-frames) for whoever watches the page.
void showFrameCount(long long frames);

// The canvas's size on the screen in device pixels.
void canvasDevicePixels(int& width, int& height);

// Device pixels to CSS pixels: 2 on most phones, 1 on most desktops.
double pagePixelRatio();

// One row of the page's help: a key (or a touch), and what it does; a touch
// row is shown on touch screens only.
void addPageHelpRow(const std::string& key, const std::string& action, bool touch);

// Whether the page is on a touch screen, where its words speak of taps.
bool touchScreen();

// A sentence for screen readers (the page's live region), such as a goal.
void announceOnPage(const std::string& text);

// The pause control shows play while the match is paused, pause otherwise.
void showPausedOnPage(bool paused);

// Into or out of the page's full screen; only while a user's event is handled.
void toggleFullScreen();

// Offers the picture just drawn as a PNG download; right after drawing it.
void downloadPicture();

}  // namespace web
