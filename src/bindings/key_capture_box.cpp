#include "bindings/key_capture_box.h"

#include <QEvent>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>

#include "platform/key_codes.h"
#include "platform/units.h"

namespace bindings {
namespace {

// A key by its place where the event tells it, else by Qt's key.
quint64 keyIdentity(const QKeyEvent& event) {
  if (event.nativeScanCode() != 0) return quint64(event.nativeScanCode()) << 32;
  return quint64(unsigned(event.key()));
}

// A key that only starts a composed character: an input method may keep its press.
bool isComposingKey(int qtKey) {
  return (qtKey >= Qt::Key_Dead_Grave && qtKey <= Qt::Key_Dead_Longsolidusoverlay) ||
         qtKey == Qt::Key_Multi_key;
}

}  // namespace

KeyCaptureBox::KeyCaptureBox(QWidget* parent, std::uint32_t backColor, std::uint32_t foreColor,
                             const QFont& font)
    : OneLineBox(parent, backColor, foreColor, font), backColor_(backColor) {
  // A right click is a button to capture, never a menu.
  setContextMenuPolicy(Qt::PreventContextMenu);
  setAttribute(Qt::WA_InputMethodEnabled, false);
}

void KeyCaptureBox::setCapturing(bool capturing) {
  if (!capturing && window()->focusWidget() == this) window()->setFocus(Qt::OtherFocusReason);
  setAttribute(Qt::WA_TransparentForMouseEvents, !capturing);
  setEnabled(capturing);
}

void KeyCaptureBox::setBackColor(std::uint32_t bgr) {
  backColor_ = bgr;
  QPalette palette = this->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, platform::bgrColor(bgr));
  }
  setPalette(palette);
}

bool KeyCaptureBox::event(QEvent* event) {
  // Tab would move the focus before the box saw it; here it is a key like any other.
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
      keyPressEvent(key);
      return true;
    }
  }
  return OneLineBox::event(event);
}

void KeyCaptureBox::keyPressEvent(QKeyEvent* event) {
  event->accept();
  pressed_.insert(keyIdentity(*event));
  emit keyPressed(platform::windowsKeyCode(*event));
}

void KeyCaptureBox::keyReleaseEvent(QKeyEvent* event) {
  event->accept();
  if (event->isAutoRepeat()) return;
  const int code = platform::windowsKeyCode(*event);
  // A key held down when the box took the focus only ends the capture; a dead
  // key whose press never came here was pressed here all the same.
  if (!pressed_.remove(keyIdentity(*event)) && isComposingKey(event->key())) {
    QGuiApplication::inputMethod()->reset();  // its half-made character goes nowhere
    emit keyPressed(code);
  }
  emit keyReleased(code);
}

void KeyCaptureBox::mousePressEvent(QMouseEvent* event) {
  event->accept();
  emit mousePressed(event->button());
}

void KeyCaptureBox::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }
void KeyCaptureBox::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }
void KeyCaptureBox::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

void KeyCaptureBox::focusInEvent(QFocusEvent* event) {
  OneLineBox::focusInEvent(event);
  pressed_.clear();
  // A dead key pressed before the box was armed must not change the key it captures.
  QGuiApplication::inputMethod()->reset();
}

void KeyCaptureBox::focusOutEvent(QFocusEvent* event) {
  OneLineBox::focusOutEvent(event);
  emit focusLost();
}

void KeyCaptureBox::inputMethodEvent(QInputMethodEvent* event) { event->accept(); }

QVariant KeyCaptureBox::inputMethodQuery(Qt::InputMethodQuery query) const {
  // The line edit's own answer ignores Qt::WA_InputMethodEnabled.
  if (query == Qt::ImEnabled) return false;
  return OneLineBox::inputMethodQuery(query);
}

}  // namespace bindings
