// dialogs.h -- message boxes: a caption, a text, and OK or Yes/No buttons.
#pragma once

#include "platform/window.h"

namespace platform {

// Buttons.
constexpr unsigned kMbOk = 0x0;
constexpr unsigned kMbYesNo = 0x4;
// Icons.
constexpr unsigned kMbIconStop = 0x10;
constexpr unsigned kMbIconQuestion = 0x20;
constexpr unsigned kMbIconExclamation = 0x30;
constexpr unsigned kMbIconInformation = 0x40;

// Answers.
constexpr int kIdOk = 1;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

// Shows a box and waits for the answer: kIdOk for an OK box; kIdYes or kIdNo
// for a Yes/No box (Return answers Yes; Escape, N and closing the box answer No).
// Where no box can be shown (no display), writes the caption and the text to
// standard error and answers kIdOk or kIdNo. Called by the entry (start-up
// questions) and by window creation and tear-down (failures).
int messageBox(Window* owner, const char* text, const char* caption, unsigned style);

}  // namespace platform
