// A text box that reports what reaches it as the handlers receive it: key down
// and key up with the Windows key code, mouse down with the button code (1, 2,
// 4), and lost focus. And a label that raises a double click.
#pragma once

#include <QPointF>
#include <QSet>
#include <cstdint>

#include "platform/controls.h"
#include "platform/inputs.h"

namespace platform {

class KeyTextBox : public TextBox {
  Q_OBJECT

 public:
  KeyTextBox(QWidget* parent, std::uint32_t backColor, std::uint32_t foreColor, const QFont& font);

  // Disabled, the box takes neither focus nor keys, and the mouse goes through
  // it to whatever lies beneath. A box disabled while it has the focus leaves
  // the focus to its window rather than to the next control, so no key pressed
  // afterwards lands on a button.
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool enabled);
  std::uint32_t BackColor() const { return back_color_; }
  void SetBackColor(std::uint32_t bgr);
  // Out of the tab order, the box still takes the focus from a click or SetFocus.
  void SetTabStop(bool tabStop);
  void SetFocus();

 signals:
  // Every press, a held key's repeats included; Tab too.
  void KeyDown(int keyCode);
  // Only when the key really comes up: a held key's repeats are presses only.
  // A dead key whose press an input method kept raises its KeyDown here first.
  void KeyUp(int keyCode);
  void MouseDown(int button);
  void LostFocus();

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
  std::uint32_t back_color_;
  QSet<quint64> pressed_;  // the keys pressed since the box took the focus and not yet up
};

// A label that raises DblClick when both presses of a double click land on it.
// It counts the presses itself: the toolkit also reports a double click whose
// first press went to a control that lay over the label then.
class DoubleClickLabel : public Label {
  Q_OBJECT

 public:
  DoubleClickLabel(QWidget* parent, const QString& caption, std::uint32_t foreColor,
                   const QFont& font);

 signals:
  void DblClick();

 protected:
  // (The label's double-click event comes here too, as one press.)
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void LeftPress(const QMouseEvent& event);

  bool pressed_before_ = false;
  std::uint64_t last_press_ms_ = 0;
  QPointF last_press_at_;
};

}  // namespace platform
