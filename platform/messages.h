// messages.h -- window messages, virtual-key codes and the message queue.
#pragma once

#include <cstdint>

#include "platform/window.h"

namespace platform {

// Message numbers.
constexpr unsigned kWmNull = 0x0;
constexpr unsigned kWmSize = 0x5;       // lParam: client width (low word), height (high word)
constexpr unsigned kWmActivate = 0x6;   // wParam: kWaActive/kWaInactive, minimised in the high word
constexpr unsigned kWmClose = 0x10;     // the user asks to close the window
constexpr unsigned kWmQuit = 0x12;      // wParam: the code given to postQuitMessage
constexpr unsigned kWmKeyDown = 0x100;  // wParam: virtual-key code
constexpr unsigned kWmKeyUp = 0x101;
constexpr unsigned kWmSysKeyDown = 0x104;  // a key pressed with Alt held
constexpr unsigned kWmSysKeyUp = 0x105;
constexpr unsigned kWmSysCommand = 0x112;  // wParam: a system command

// Low word of a kWmActivate wParam.
constexpr unsigned kWaInactive = 0;
constexpr unsigned kWaActive = 1;

// System commands.
constexpr std::uintptr_t kScClose = 0xF060;
constexpr std::uintptr_t kScScreenSave = 0xF140;
constexpr std::uintptr_t kScMonitorPower = 0xF170;

// Size message kinds (wParam of kWmSize).
constexpr std::uintptr_t kSizeRestored = 0;
constexpr std::uintptr_t kSizeMaximized = 2;

// Virtual-key codes. Letters are 0x41..0x5A ('A'..'Z') and main-row digits
// 0x30..0x39 ('0'..'9').
constexpr int kVkBack = 0x08;
constexpr int kVkTab = 0x09;
constexpr int kVkReturn = 0x0D;
constexpr int kVkShift = 0x10;
constexpr int kVkControl = 0x11;
constexpr int kVkMenu = 0x12;  // Alt
constexpr int kVkPause = 0x13;
constexpr int kVkCapital = 0x14;
constexpr int kVkEscape = 0x1B;
constexpr int kVkSpace = 0x20;
constexpr int kVkPrior = 0x21;
constexpr int kVkNext = 0x22;
constexpr int kVkEnd = 0x23;
constexpr int kVkHome = 0x24;
constexpr int kVkLeft = 0x25;
constexpr int kVkUp = 0x26;
constexpr int kVkRight = 0x27;
constexpr int kVkDown = 0x28;
constexpr int kVkSnapshot = 0x2C;
constexpr int kVkInsert = 0x2D;
constexpr int kVkDelete = 0x2E;
constexpr int kVkLWin = 0x5B;
constexpr int kVkRWin = 0x5C;
constexpr int kVkApps = 0x5D;
constexpr int kVkNumpad0 = 0x60;  // keypad digits 0x60..0x69
constexpr int kVkMultiply = 0x6A;
constexpr int kVkAdd = 0x6B;
constexpr int kVkSubtract = 0x6D;
constexpr int kVkDecimal = 0x6E;
constexpr int kVkDivide = 0x6F;
constexpr int kVkF1 = 0x70;  // F1..F12 are 0x70..0x7B
constexpr int kVkF4 = 0x73;
constexpr int kVkNumLock = 0x90;
constexpr int kVkScroll = 0x91;
constexpr int kVkOem1 = 0xBA;       // ;
constexpr int kVkOemPlus = 0xBB;    // =
constexpr int kVkOemComma = 0xBC;   // ,
constexpr int kVkOemMinus = 0xBD;   // -
constexpr int kVkOemPeriod = 0xBE;  // .
constexpr int kVkOem2 = 0xBF;       // /
constexpr int kVkOem3 = 0xC0;       // `
constexpr int kVkOem4 = 0xDB;       // [
constexpr int kVkOem5 = 0xDC;       // backslash
constexpr int kVkOem6 = 0xDD;       // ]
constexpr int kVkOem7 = 0xDE;       // '

struct Message {
    Window* window;  // the window it is for; null for kWmQuit
    unsigned message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
};

inline unsigned lowWord(std::uintptr_t value) {
    return static_cast<unsigned>(value & 0xFFFF);
}
inline unsigned highWord(std::uintptr_t value) {
    return static_cast<unsigned>((value >> 16) & 0xFFFF);
}
inline std::intptr_t makeLParam(unsigned low, unsigned high) {
    return static_cast<std::intptr_t>((low & 0xFFFF) | ((high & 0xFFFF) << 16));
}

// The main loop, once per pass: takes the next waiting message off the queue
// without waiting. False when nothing is waiting. Once postQuitMessage has
// been called, kWmQuit comes when no other message is waiting.
bool peekMessage(Message* message);

// The main loop, for every message taken: queues the character messages of
// key messages where the system makes them (Win32; SDL makes none). The
// program reads none of them.
void translateMessage(const Message* message);

// Hands the message to its window's procedure and returns the result.
std::intptr_t dispatchMessage(const Message* message);

// The default handling for messages a window procedure does not take: Alt+F4
// becomes the close system command, the close system command becomes
// kWmClose, kWmClose destroys the window; everything else is ignored (0).
std::intptr_t defWindowProc(Window* window, unsigned message, std::uintptr_t wParam,
                            std::intptr_t lParam);

// Asks the loop to end: queues kWmQuit with the code as its wParam.
void postQuitMessage(int exitCode);

// Blocks until a message may be waiting (returns at once when one is, or when
// the quit message is due). The main loop calls it while its window is
// minimised, instead of polling.
void waitMessage();

}  // namespace platform
