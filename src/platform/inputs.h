// Controls that take input: text box, drop-down list, push button.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
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

}  // namespace platform
