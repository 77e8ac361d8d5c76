// A push button that shows its background colour.
#pragma once

#include <QPushButton>
#include <QWidget>
#include <cstdint>

namespace widgets {

class ColoredButton : public QPushButton {
  Q_OBJECT

 public:
  ColoredButton(QWidget* parent, const QString& caption, std::uint32_t backColor,
                const QFont& font);
};

}  // namespace widgets
