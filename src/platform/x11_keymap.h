// The X server's own names for its key codes.
#pragma once

#include <QByteArray>
#include <cstdint>

namespace platform {

// The XKB name ("AC01", "TLDE") the X server's keymap gives this key code;
// empty when the program does not run under X or the code names no key.
QByteArray x11KeyName(std::uint32_t keyCode);

}  // namespace platform
