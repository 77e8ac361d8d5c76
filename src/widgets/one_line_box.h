// A one-line text box in its own colours.
#pragma once

#include <QLineEdit>
#include <QWidget>
#include <cstdint>

namespace widgets {

// changed is raised at once, inside the write or the typing that gave the box
// a different text, and only then. The box never holds a control character:
// whatever reaches it, typed, pasted, dropped or written, arrives as
// platform::oneLineText.
class OneLineBox : public QLineEdit {
  Q_OBJECT

 public:
  OneLineBox(QWidget* parent, std::uint32_t backColor, std::uint32_t foreColor, const QFont& font);

  // Writes the text; a box that already holds it keeps its cursor and selection.
  void showText(const QString& text);
  // Locked: the player can neither type nor paste; the program still writes it.
  void setLocked(bool locked);

 signals:
  void changed();

 private:
  QString last_;
};

}  // namespace widgets
