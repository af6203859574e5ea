// key_codes.h -- the virtual-key codes: the one numbering of keys that the window system's
// backends translate into, the key table is indexed by, and the tools' key names map onto.
#pragma once

namespace platform {

// Letters are their upper-case characters, 0x41..0x5A ('A'..'Z'), and the
// main-row digits theirs, 0x30..0x39 ('0'..'9').
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
constexpr int kVkF1 = 0x70;  // F1..F24 are 0x70..0x87
constexpr int kVkF4 = 0x73;
constexpr int kVkF9 = 0x78;
constexpr int kVkF11 = 0x7A;
constexpr int kVkF12 = 0x7B;
constexpr int kVkF24 = 0x87;
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

}  // namespace platform
