#include "platform/x11_keymap.h"

#include <QGuiApplication>
#include <cstring>

#if defined(VESMIR_HAVE_X11) && QT_CONFIG(xcb)
#include <X11/XKBlib.h>  // after Qt: its macros (None, KeyPress) would clash with Qt's names
#define VESMIR_X11_KEYMAP 1
#endif

namespace platform {

QByteArray x11KeyName(std::uint32_t keyCode) {
#ifdef VESMIR_X11_KEYMAP
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  Display* display = x11 ? x11->display() : nullptr;
  if (display == nullptr) return {};
  // Asked afresh each time: the player may change the keymap while the program runs.
  XkbDescPtr keyboard = XkbGetMap(display, 0, XkbUseCoreKbd);
  if (keyboard == nullptr) return {};
  QByteArray name;
  if (XkbGetNames(display, XkbKeyNamesMask, keyboard) == Success && keyboard->names != nullptr &&
      keyboard->names->keys != nullptr && keyCode >= keyboard->min_key_code &&
      keyCode <= keyboard->max_key_code) {
    const char* text = keyboard->names->keys[keyCode].name;
    name = QByteArray(text, int(strnlen(text, XkbKeyNameLength)));
  }
  XkbFreeKeyboard(keyboard, 0, True);
  return name;
#else
  (void)keyCode;
  return {};
#endif
}

}  // namespace platform
