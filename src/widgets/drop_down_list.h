// A drop-down list with fixed items: the player picks one and cannot type.
#pragma once

#include <QComboBox>
#include <QWidget>
#include <cstdint>

namespace widgets {

// Its open list shows the box's own colours.
class DropDownList : public QComboBox {
  Q_OBJECT

 public:
  DropDownList(QWidget* parent, std::uint32_t backColor, std::uint32_t foreColor,
               const QFont& font);
};

}  // namespace widgets
