// display_mode.h -- changing the display to a full-screen mode and back.
#pragma once

#include <cstdint>

namespace platform {

// Which fields of a DisplayMode are filled in.
constexpr std::uint32_t kDmBitsPerPel = 0x40000;
constexpr std::uint32_t kDmPelsWidth = 0x80000;
constexpr std::uint32_t kDmPelsHeight = 0x100000;

// A requested display mode; zero-initialise it, then fill the fields named in
// `fields`.
struct DisplayMode {
    std::uint32_t fields;
    int pelsWidth;
    int pelsHeight;
    int bitsPerPel;  // colour depth; 24-bit colour in 32-bit pixels counts as 32
};

// The change is meant for a full-screen window (the only kind this program asks for).
constexpr unsigned kCdsFullscreen = 0x4;

// Results of changeDisplaySettings.
constexpr int kDispChangeSuccessful = 0;
constexpr int kDispChangeFailed = -1;
constexpr int kDispChangeBadMode = -2;

// Called by window creation (full screen) and tear-down. With a mode: switches
// the display to exactly that width, height and colour depth for the next
// full-screen window, or refuses (kDispChangeBadMode) when the display has no
// such mode. With no mode and no flags: returns the display to its own mode.
int changeDisplaySettings(const DisplayMode* mode, unsigned flags);

}  // namespace platform
