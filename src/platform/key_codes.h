// Key events as the handlers receive them: the Windows virtual-key code of the
// physical key, whatever the keyboard layout and the Shift, Ctrl and Alt states.
#pragma once

#include <cstdint>

class QKeyEvent;

namespace platform {

// The code Windows would report for the key of this event; 0 for a key it has
// no code for. From the native scan code where the event carries one, else
// from Qt's key and its keypad flag.
int WindowsKeyCode(const QKeyEvent& event);

// From an XKB key code (the evdev code plus 8, as X11 and Wayland report it).
// numLockDigits: the numeric pad gives digits (NumLock on) rather than the
// navigation keys. 0 for a key code not known here.
int KeyCodeFromXkb(std::uint32_t xkbKeyCode, bool numLockDigits);

// From Qt's key where no native code came with the event.
int KeyCodeFromQtKey(int qtKey, bool keypad);

}  // namespace platform
