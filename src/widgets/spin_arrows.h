// Two arrows that step a value the widget around them keeps.
#pragma once

#include <QTimer>
#include <QWidget>
#include <cstdint>

namespace widgets {

// Two arrows, up above down. Every press of either arrow is one upPressed or
// downPressed, whatever happened before; an arrow held down repeats, and each
// repeat is one more press. The arrow keys press them too.
//
// A press's handler may open a modal box, which runs its own event loop and
// takes the release: no repeat fires while a handler runs, and one starts or
// goes on only while the pointer's left button is still down on this arrow.
class SpinArrows : public QWidget {
  Q_OBJECT

 public:
  SpinArrows(QWidget* parent, std::uint32_t backColor);

  // The arrows are drawn in the button-text colour unless told otherwise.
  void setArrowColor(const QColor& color);
  QColor arrowColor() const { return arrowColor_; }

 signals:
  void upPressed();
  void downPressed();

 protected:
  bool event(QEvent* event) override;
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  enum class Arrow { None, Up, Down };
  // One press; false when the button went away meanwhile.
  bool press(Arrow arrow);
  void repeat();
  // Starts the next repeat if the arrow is still held, else lets it go.
  void repeatAfter(int ms);
  void letGo();
  bool stillHeld() const;
  Arrow arrowAt(const QPoint& point) const;

  Arrow held_ = Arrow::None;
  QPoint pointer_;         // where the held button last was, in this widget
  bool pressing_ = false;  // a press's handler is running
  QTimer repeat_;
  QColor arrowColor_;
};

}  // namespace widgets
