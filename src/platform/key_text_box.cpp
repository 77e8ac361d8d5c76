#include "platform/key_text_box.h"

#include <QEvent>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QStyleHints>

#include "platform/key_codes.h"
#include "platform/units.h"

namespace platform {
namespace {

// A key by its place where the event tells it, else by Qt's key.
quint64 KeyIdentity(const QKeyEvent& event) {
  if (event.nativeScanCode() != 0) return quint64(event.nativeScanCode()) << 32;
  return quint64(unsigned(event.key()));
}

// A key that only starts a composed character: an input method may keep its press.
bool IsComposingKey(int qtKey) {
  return (qtKey >= Qt::Key_Dead_Grave && qtKey <= Qt::Key_Dead_Longsolidusoverlay) ||
         qtKey == Qt::Key_Multi_key;
}

}  // namespace

KeyTextBox::KeyTextBox(QWidget* parent, std::uint32_t backColor, std::uint32_t foreColor,
                       const QFont& font)
    : TextBox(parent, backColor, foreColor, font), back_color_(backColor) {
  // A right click is a button to capture, never a menu.
  setContextMenuPolicy(Qt::PreventContextMenu);
  setAttribute(Qt::WA_InputMethodEnabled, false);
}

void KeyTextBox::SetEnabled(bool enabled) {
  if (!enabled && window()->focusWidget() == this) window()->setFocus(Qt::OtherFocusReason);
  setAttribute(Qt::WA_TransparentForMouseEvents, !enabled);
  setEnabled(enabled);
}

void KeyTextBox::SetBackColor(std::uint32_t bgr) {
  back_color_ = bgr;
  QPalette palette = this->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, BgrColor(bgr));
  }
  setPalette(palette);
}

void KeyTextBox::SetTabStop(bool tabStop) {
  setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

void KeyTextBox::SetFocus() { setFocus(Qt::OtherFocusReason); }

bool KeyTextBox::event(QEvent* event) {
  // Tab would move the focus before the box saw it; here it is a key like any other.
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
      keyPressEvent(key);
      return true;
    }
  }
  return TextBox::event(event);
}

void KeyTextBox::keyPressEvent(QKeyEvent* event) {
  event->accept();
  pressed_.insert(KeyIdentity(*event));
  emit KeyDown(WindowsKeyCode(*event));
}

void KeyTextBox::keyReleaseEvent(QKeyEvent* event) {
  event->accept();
  if (event->isAutoRepeat()) return;
  const int code = WindowsKeyCode(*event);
  // A key held down when the box took the focus only ends the capture; a dead
  // key whose press never came here was pressed here all the same.
  if (!pressed_.remove(KeyIdentity(*event)) && IsComposingKey(event->key())) {
    QGuiApplication::inputMethod()->reset();  // its half-made character goes nowhere
    emit KeyDown(code);
  }
  emit KeyUp(code);
}

void KeyTextBox::mousePressEvent(QMouseEvent* event) {
  event->accept();
  emit MouseDown(VbButton(event->button()));
}

void KeyTextBox::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }
void KeyTextBox::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }
void KeyTextBox::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

void KeyTextBox::focusInEvent(QFocusEvent* event) {
  TextBox::focusInEvent(event);
  pressed_.clear();
  // A dead key pressed before the box was armed must not change the key it captures.
  QGuiApplication::inputMethod()->reset();
}

void KeyTextBox::focusOutEvent(QFocusEvent* event) {
  TextBox::focusOutEvent(event);
  emit LostFocus();
}

void KeyTextBox::inputMethodEvent(QInputMethodEvent* event) { event->accept(); }

QVariant KeyTextBox::inputMethodQuery(Qt::InputMethodQuery query) const {
  // The line edit's own answer ignores Qt::WA_InputMethodEnabled.
  if (query == Qt::ImEnabled) return false;
  return TextBox::inputMethodQuery(query);
}

DoubleClickLabel::DoubleClickLabel(QWidget* parent, const QString& caption, std::uint32_t foreColor,
                                   const QFont& font)
    : Label(parent, caption, foreColor, font) {}

void DoubleClickLabel::mousePressEvent(QMouseEvent* event) {
  Label::mousePressEvent(event);
  if (event->button() == Qt::LeftButton) LeftPress(*event);
}

void DoubleClickLabel::LeftPress(const QMouseEvent& event) {
  const QStyleHints* hints = QGuiApplication::styleHints();
  const bool second =
      pressed_before_ &&
      event.timestamp() - last_press_ms_ <= std::uint64_t(hints->mouseDoubleClickInterval()) &&
      (event.position() - last_press_at_).manhattanLength() <= hints->mouseDoubleClickDistance();
  if (second) {
    pressed_before_ = false;  // a third press starts a new pair
    if (Enabled()) emit DblClick();
    return;
  }
  pressed_before_ = true;
  last_press_ms_ = event.timestamp();
  last_press_at_ = event.position();
}

}  // namespace platform
