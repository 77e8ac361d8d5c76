// The box a key or mouse button is captured in: it reports each key that
// reaches it by its Windows key code, each mouse press by its button, and the
// loss of its focus, and never takes text.
#pragma once

#include <QSet>
#include <cstdint>

#include "widgets/one_line_box.h"

namespace bindings {

class KeyCaptureBox : public widgets::OneLineBox {
  Q_OBJECT

 public:
  KeyCaptureBox(QWidget* parent, std::uint32_t backColor, std::uint32_t foreColor,
                const QFont& font);

  // Not capturing, the box takes neither focus nor keys, and the mouse goes
  // through it to whatever lies beneath. A box that stops capturing while it
  // has the focus leaves the focus to its window rather than to the next
  // control, so no key pressed afterwards lands on a button.
  void setCapturing(bool capturing);
  std::uint32_t backColor() const { return backColor_; }
  void setBackColor(std::uint32_t bgr);

 signals:
  // Every press, a held key's repeats included; Tab too.
  void keyPressed(int windowsKeyCode);
  // Only when the key really comes up: a held key's repeats are presses only.
  // A dead key whose press an input method kept raises its keyPressed here first.
  void keyReleased(int windowsKeyCode);
  void mousePressed(Qt::MouseButton button);
  void focusLost();

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  // The box takes keys, never text: no input method composes into it.
  void inputMethodEvent(QInputMethodEvent* event) override;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

 private:
  std::uint32_t backColor_;
  QSet<quint64> pressed_;  // the keys pressed since the box took the focus and not yet up
};

}  // namespace bindings
