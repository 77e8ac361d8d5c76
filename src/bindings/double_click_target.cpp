#include "bindings/double_click_target.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>

#include "widgets/palette.h"

namespace bindings {

DoubleClickTarget::DoubleClickTarget(QWidget* parent, const QFont& font)
    : Caption(parent, QString(), palette::kBlack, font) {}

void DoubleClickTarget::mousePressEvent(QMouseEvent* event) {
  Caption::mousePressEvent(event);
  if (event->button() == Qt::LeftButton) countLeftPress(*event);
}

void DoubleClickTarget::countLeftPress(const QMouseEvent& event) {
  const QStyleHints* hints = QGuiApplication::styleHints();
  const bool second =
      pressedBefore_ &&
      event.timestamp() - lastPressMs_ <= std::uint64_t(hints->mouseDoubleClickInterval()) &&
      (event.position() - lastPressAt_).manhattanLength() <= hints->mouseDoubleClickDistance();
  if (second) {
    pressedBefore_ = false;  // a third press starts a new pair
    if (isActive()) emit doubleClicked();
    return;
  }
  pressedBefore_ = true;
  lastPressMs_ = event.timestamp();
  lastPressAt_ = event.position();
}

}  // namespace bindings
