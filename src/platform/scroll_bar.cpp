#include "platform/scroll_bar.h"

#include <QPalette>

#include "platform/units.h"

namespace platform {

ScrollBar::ScrollBar(QWidget* parent, std::uint32_t backColor, std::uint32_t arrowColor)
    : QScrollBar(Qt::Vertical, parent) {
  setRange(0, 0);
  setSingleStep(1);
  setPageStep(1);
  setTracking(false);
  // A click on the bar takes the focus, as it takes it from a key box.
  setFocusPolicy(Qt::StrongFocus);
  QPalette palette = this->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::Button, BgrColor(backColor));
    palette.setColor(group, QPalette::Window, BgrColor(backColor));
    palette.setColor(group, QPalette::Base, BgrColor(backColor));
    palette.setColor(group, QPalette::ButtonText, BgrColor(arrowColor));
    palette.setColor(group, QPalette::WindowText, BgrColor(arrowColor));
  }
  setPalette(palette);
  connect(this, &QAbstractSlider::valueChanged, this, [this] { emit Change(); });
}

}  // namespace platform
