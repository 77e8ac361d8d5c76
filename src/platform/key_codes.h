// Which key a key event is, as a Windows virtual-key code (the codes the key
// names are written in), whatever the Shift, Ctrl and Alt states.
#pragma once

#include <cstdint>

#include "platform/windows_keys.h"

class QKeyEvent;

namespace platform {

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
