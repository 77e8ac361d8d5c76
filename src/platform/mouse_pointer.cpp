#include "platform/mouse_pointer.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>

namespace platform::Screen {
namespace {

struct PointerState {
  int pointer = kDefaultPointer;
  QImage icon;
  bool overriding = false;  // our cursor is on Qt's override stack
};

PointerState& State() {
  static PointerState state;
  return state;
}

// The custom pointer is one entry of Qt's override cursor stack; a drag in
// progress pushes its own above it and takes it off again when it ends.
void Apply() {
  PointerState& s = State();
  const bool want = s.pointer == kCustomPointer && !s.icon.isNull();
  if (qGuiApp == nullptr) return;
  if (want) {
    const QCursor cursor(QPixmap::fromImage(s.icon));
    if (s.overriding) {
      QGuiApplication::changeOverrideCursor(cursor);
    } else {
      QGuiApplication::setOverrideCursor(cursor);
      s.overriding = true;
    }
  } else if (s.overriding) {
    QGuiApplication::restoreOverrideCursor();
    s.overriding = false;
  }
}

}  // namespace

int MousePointer() { return State().pointer; }

void SetMousePointer(int pointer) {
  const int now = pointer == kCustomPointer ? kCustomPointer : kDefaultPointer;
  if (now == State().pointer) return;
  State().pointer = now;
  Apply();
}

const QImage& MouseIcon() { return State().icon; }

void SetMouseIcon(const QImage& icon) {
  if (icon.cacheKey() == State().icon.cacheKey()) return;
  State().icon = icon;
  if (State().pointer == kCustomPointer) Apply();
}

}  // namespace platform::Screen
