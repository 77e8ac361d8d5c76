#include "widgets/colored_button.h"

#include <QPalette>

#include "platform/units.h"

namespace widgets {

ColoredButton::ColoredButton(QWidget* parent, const QString& caption, std::uint32_t backColor,
                             const QFont& font)
    : QPushButton(caption, parent) {
  setFont(font);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Button, platform::bgrColor(backColor));
  setPalette(palette);
  setAutoDefault(false);
  // The face shows exactly its colour, as a raised button that sinks when pressed.
  const QString face = platform::bgrColor(backColor).name();
  setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: black;"
                               " border: 2px outset %2; }"
                               "QPushButton:pressed { border-style: inset; }"
                               "QPushButton:disabled { color: gray; }"
                               "QPushButton:focus { outline: 1px dotted black; }")
                    .arg(face, platform::bgrColor(backColor).lighter(160).name()));
}

}  // namespace widgets
