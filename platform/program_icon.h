// program_icon.h -- the program's own icon, built into it: 64 by 64 RGBA pixels.
#pragma once

namespace platform {

constexpr int kProgramIconSide = 64;

// The pixels of packaging/icons/64x64, rows from the top down, four bytes a
// pixel (red, green, blue, alpha). Generated at build time from the committed
// picture; the window system implementations give it to every window whose
// class asks for kIdiProgram.
extern const unsigned char programIconPixels[kProgramIconSide * kProgramIconSide * 4];

}  // namespace platform
