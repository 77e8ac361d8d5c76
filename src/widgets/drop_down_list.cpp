#include "widgets/drop_down_list.h"

#include <QAbstractItemView>
#include <QPalette>

#include "platform/units.h"

namespace widgets {
namespace {

void setColors(QWidget* widget, std::uint32_t backColor, std::uint32_t foreColor) {
  QPalette palette = widget->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Base, platform::bgrColor(backColor));
    palette.setColor(group, QPalette::Button, platform::bgrColor(backColor));
    palette.setColor(group, QPalette::Window, platform::bgrColor(backColor));
    palette.setColor(group, QPalette::Text, platform::bgrColor(foreColor));
    palette.setColor(group, QPalette::ButtonText, platform::bgrColor(foreColor));
    palette.setColor(group, QPalette::WindowText, platform::bgrColor(foreColor));
  }
  widget->setPalette(palette);
}

}  // namespace

DropDownList::DropDownList(QWidget* parent, std::uint32_t backColor, std::uint32_t foreColor,
                           const QFont& font)
    : QComboBox(parent) {
  setEditable(false);
  setFont(font);
  setColors(this, backColor, foreColor);
  // The open list is a window of its own, which the box gives the system's
  // menu colours whenever it sets it up; the list inside it keeps these.
  setColors(view(), backColor, foreColor);
}

}  // namespace widgets
