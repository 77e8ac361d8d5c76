// Controls that take input: text box, drop-down list, push button, spin button.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <cstdint>

namespace platform {

// The text without its control characters (below U+0020): what a one-line box
// holds. A line break typed, pasted or dropped would end the line it goes into.
QString OneLineText(QString text);
// Makes a line edit hold OneLineText of whatever reaches it.
void KeepOneLine(QLineEdit* box);

// A one-line text box. Change is raised at once, inside the assignment or the
// typing that gave the box a different text, and only then. It never holds a
// control character: whatever reaches it arrives as OneLineText.
class TextBox : public QLineEdit {
  Q_OBJECT

 public:
  TextBox(QWidget* parent, std::uint32_t backColor, std::uint32_t foreColor, const QFont& font);

  QString Text() const { return text(); }
  void SetText(const QString& text);
  // Locked: the player can neither type nor paste; the program still writes it.
  void SetLocked(bool locked);

 signals:
  void Change();

 private:
  QString last_;
};

// A drop-down list with fixed items: the player picks one and cannot type.
// Its open list shows the box's own colours.
class ComboBox : public QComboBox {
  Q_OBJECT

 public:
  ComboBox(QWidget* parent, std::uint32_t backColor, std::uint32_t foreColor, const QFont& font);

  void AddItem(const QString& item) { addItem(item); }
  int ListCount() const { return count(); }
  QString List(int index) const { return itemText(index); }
  // -1: nothing selected.
  int ListIndex() const { return currentIndex(); }
  void SetListIndex(int index);
};

// A push button that shows its background colour.
class CommandButton : public QPushButton {
  Q_OBJECT

 public:
  CommandButton(QWidget* parent, const QString& caption, std::uint32_t backColor,
                const QFont& font);
};

// Two arrows, up above down. Every press of either arrow is one SpinUp or
// SpinDown, whatever happened before; an arrow held down repeats, and each
// repeat is one more press. The arrow keys press them too.
//
// A press's handler may open a modal box, which runs its own event loop and
// takes the release: no repeat fires while a handler runs, and one starts or
// goes on only while the pointer's left button is still down on this arrow.
class SpinButton : public QWidget {
  Q_OBJECT

 public:
  SpinButton(QWidget* parent, std::uint32_t backColor);

  // The arrows are drawn in the button-text colour unless told otherwise.
  void SetArrowColor(const QColor& color);
  QColor ArrowColor() const { return arrows_; }

 signals:
  void SpinUp();
  void SpinDown();

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
  bool Press(Arrow arrow);
  void Repeat();
  // Starts the next repeat if the arrow is still held, else lets it go.
  void RepeatAfter(int ms);
  void LetGo();
  bool StillHeld() const;
  Arrow ArrowAt(const QPoint& point) const;

  Arrow held_ = Arrow::None;
  QPoint pointer_;         // where the held button last was, in this widget
  bool pressing_ = false;  // a press's handler is running
  QTimer repeat_;
  QColor arrows_;
};

}  // namespace platform
