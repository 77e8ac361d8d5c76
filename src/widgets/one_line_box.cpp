#include "widgets/one_line_box.h"

#include <QApplication>
#include <QPalette>

#include "platform/dialogs.h"
#include "platform/units.h"

namespace widgets {

OneLineBox::OneLineBox(QWidget* parent, std::uint32_t backColor, std::uint32_t foreColor,
                       const QFont& font)
    : QLineEdit(parent) {
  setFont(font);
  // The field's own colours; the frame keeps the system's, so a black box on a
  // black window still shows its edge.
  QPalette palette = this->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, platform::bgrColor(backColor));
    palette.setColor(group, QPalette::Text, platform::bgrColor(foreColor));
  }
  palette.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
  setPalette(palette);
  setFrame(true);
  platform::keepOneLine(this);
  // Typing raises changed the same way as the program's own writes.
  connect(this, &QLineEdit::textChanged, this, [this](const QString& now) {
    if (now == last_) return;
    last_ = now;
    emit changed();
  });
}

void OneLineBox::showText(const QString& text) {
  if (text == this->text()) return;
  setText(text);  // textChanged, and so changed, runs inside this call
}

void OneLineBox::setLocked(bool locked) {
  setReadOnly(locked);
  // A box that takes the right button for itself keeps it.
  if (contextMenuPolicy() == Qt::PreventContextMenu) return;
  setContextMenuPolicy(locked ? Qt::NoContextMenu : Qt::DefaultContextMenu);
}

}  // namespace widgets
