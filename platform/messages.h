// messages.h -- window messages and the message queue.
#pragma once

#include <cstdint>

#include "platform/key_codes.h"  // the wParam of key messages
#include "platform/window.h"

namespace platform {

// Message numbers.
constexpr unsigned kWmNull = 0x0;
constexpr unsigned kWmDestroy = 0x2;    // the window is going (Windows: with its parent too)
constexpr unsigned kWmSize = 0x5;       // lParam: client width (low word), height (high word)
constexpr unsigned kWmActivate = 0x6;   // wParam: kWaActive/kWaInactive, minimised in the high word
constexpr unsigned kWmClose = 0x10;     // the user asks to close the window
constexpr unsigned kWmQuit = 0x12;      // wParam: the code given to postQuitMessage
constexpr unsigned kWmKeyDown = 0x100;  // wParam: virtual-key code
constexpr unsigned kWmKeyUp = 0x101;
constexpr unsigned kWmSysKeyDown = 0x104;  // a key pressed with Alt held
constexpr unsigned kWmSysKeyUp = 0x105;
constexpr unsigned kWmSysCommand = 0x112;  // wParam: a system command
// The mouse, on Windows only (the screen saver ends on it); SDL sends none.
constexpr unsigned kWmMouseMove = 0x200;  // lParam: client x (low word), y (high word)
constexpr unsigned kWmLButtonDown = 0x201;
constexpr unsigned kWmRButtonDown = 0x204;
constexpr unsigned kWmMButtonDown = 0x207;
constexpr unsigned kWmXButtonDown = 0x20B;

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
