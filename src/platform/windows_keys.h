// The Windows virtual-key codes that key names are written in. Plain numbers,
// so the key tables need nothing but Qt Core.
#pragma once

namespace platform {

// Windows virtual-key codes that have no letter or digit of their own; a
// letter or digit key has the code of its capital letter or digit.
enum WindowsKey : int {
  kBack = 8,
  kTab = 9,
  kClear = 12,
  kReturn = 13,
  kShift = 16,
  kControl = 17,
  kMenu = 18,
  kPause = 19,
  kCapital = 20,
  kEscape = 27,
  kSpace = 32,
  kPrior = 33,
  kNext = 34,
  kEnd = 35,
  kHome = 36,
  kLeft = 37,
  kUp = 38,
  kRight = 39,
  kDown = 40,
  kSnapshot = 44,
  kInsert = 45,
  kDelete = 46,
  kLWin = 91,
  kRWin = 92,
  kApps = 93,
  kNumpad0 = 96,  // to kNumpad0 + 9 for the pad's 9
  kMultiply = 106,
  kAdd = 107,
  kSubtract = 109,
  kDecimal = 110,
  kDivide = 111,
  kF1 = 112,  // to kF1 + 23 for F24
  kNumLock = 144,
  kScroll = 145,
  kOem1 = 186,
  kOemPlus = 187,
  kOemComma = 188,
  kOemMinus = 189,
  kOemPeriod = 190,
  kOem2 = 191,
  kOem3 = 192,
  kOem4 = 219,
  kOem5 = 220,
  kOem6 = 221,
  kOem7 = 222,
  kOem102 = 226,
};

}  // namespace platform
