#include "widgets/panel.h"

#include <QMouseEvent>

#include "platform/units.h"

namespace widgets {

Panel::Panel(QWidget* parent, std::uint32_t backColor) : QFrame(parent) {
  setFrameShape(QFrame::NoFrame);
  platform::setBackColor(this, backColor);
}

void Panel::mousePressEvent(QMouseEvent* event) {
  event->accept();
  emit mousePressed(event->button());
}

}  // namespace widgets
