// Which key a key event is, as a Windows virtual-key code (the codes the key
// names are written in), whatever the Shift, Ctrl and Alt states.
#pragma once

#include <cstdint>

class QKeyEvent;

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

// What a key event's native scan code is known to be.
enum class ScanCodes {
  kUnknown,  // nothing known: Qt's key alone decides
  kEvdev,    // the XKB key code of an evdev keyboard (evdev code + 8), as Wayland reports it
  kX11,      // an X server's key code: its keymap names the key at each code
};

// What the scan codes of this program's key events are, by the platform it runs on.
ScanCodes nativeScanCodes();

// The code Windows would report for the key of this event; 0 for a key it has
// no code for. Keys that mean the same on every layout (function keys, the
// editing block, arrows, modifiers, the numeric pad) go by Qt's key, so a
// remapped key gives the name of what it now does. The letter and digit block
// goes by the key's place where the scan code is known to tell it, so every
// layout (Russian too) gives the names of a US keyboard; elsewhere by the
// character the key gives, read as on a US keyboard.
int windowsKeyCode(const QKeyEvent& event, ScanCodes scanCodes);
// The same with this program's own scan codes; on Windows, Windows's own code.
int windowsKeyCode(const QKeyEvent& event);

}  // namespace platform
