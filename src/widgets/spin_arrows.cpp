#include "widgets/spin_arrows.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

#include "platform/units.h"

namespace widgets {
namespace {

constexpr int kFirstRepeatMs = 400;
constexpr int kRepeatMs = 60;

}  // namespace

SpinArrows::SpinArrows(QWidget* parent, std::uint32_t backColor)
    : QWidget(parent), arrowColor_(QApplication::palette().color(QPalette::ButtonText)) {
  platform::setBackColor(this, backColor);
  setFocusPolicy(Qt::StrongFocus);
  repeat_.setSingleShot(true);
  connect(&repeat_, &QTimer::timeout, this, &SpinArrows::repeat);
}

void SpinArrows::setArrowColor(const QColor& color) {
  arrowColor_ = color;
  update();
}

SpinArrows::Arrow SpinArrows::arrowAt(const QPoint& point) const {
  if (!rect().contains(point)) return Arrow::None;
  return point.y() < height() / 2 ? Arrow::Up : Arrow::Down;
}

bool SpinArrows::press(Arrow arrow) {
  QPointer<SpinArrows> self(this);
  repeat_.stop();
  pressing_ = true;
  if (arrow == Arrow::Up) emit upPressed();
  if (arrow == Arrow::Down) emit downPressed();
  if (!self) return false;
  pressing_ = false;
  return true;
}

bool SpinArrows::stillHeld() const {
  // The application's own record of the pointer's buttons: a release that a
  // modal box took, or that went to no widget, still clears it.
  if (held_ == Arrow::None || !(QGuiApplication::mouseButtons() & Qt::LeftButton)) return false;
  if (!isVisible() || !isEnabled()) return false;
  QWidget* modal = QApplication::activeModalWidget();
  return modal == nullptr || modal == window();
}

void SpinArrows::repeatAfter(int ms) {
  if (stillHeld()) {
    repeat_.start(ms);
  } else {
    letGo();
  }
}

void SpinArrows::repeat() {
  if (pressing_) return;
  if (!stillHeld()) {
    letGo();
    return;
  }
  // Moved off the arrow: wait until the pointer comes back or lets go.
  if (arrowAt(pointer_) != held_) {
    repeat_.start(kRepeatMs);
    return;
  }
  if (press(held_)) repeatAfter(kRepeatMs);
}

void SpinArrows::letGo() {
  repeat_.stop();
  if (held_ == Arrow::None) return;
  held_ = Arrow::None;
  update();
}

void SpinArrows::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton || pressing_) return;
  pointer_ = event->position().toPoint();
  held_ = arrowAt(pointer_);
  if (held_ == Arrow::None) return;
  update();
  if (press(held_)) repeatAfter(kFirstRepeatMs);
}

void SpinArrows::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  pointer_ = event->position().toPoint();
}

void SpinArrows::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a quick double press is a press like the first.
  mousePressEvent(event);
}

void SpinArrows::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() == Qt::LeftButton) letGo();
}

bool SpinArrows::event(QEvent* event) {
  if (event->type() == QEvent::WindowBlocked) letGo();
  return QWidget::event(event);
}

void SpinArrows::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange && !isEnabled()) letGo();
  QWidget::changeEvent(event);
}

void SpinArrows::focusOutEvent(QFocusEvent* event) {
  letGo();
  QWidget::focusOutEvent(event);
}

void SpinArrows::hideEvent(QHideEvent* event) {
  letGo();
  QWidget::hideEvent(event);
}

void SpinArrows::keyPressEvent(QKeyEvent* event) {
  if (pressing_) return;
  if (event->key() == Qt::Key_Up) {
    press(Arrow::Up);
  } else if (event->key() == Qt::Key_Down) {
    press(Arrow::Down);
  } else {
    QWidget::keyPressEvent(event);
  }
}

void SpinArrows::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor arrows = arrowColor_;
  const int w = width(), h = height(), half = h / 2;
  // With the focus, the frame takes the highlight colour, as a focused box's does.
  painter.setPen(hasFocus() ? palette().color(QPalette::Highlight) : arrows);
  painter.drawRect(0, 0, w - 1, half - 1);
  painter.drawRect(0, half, w - 1, h - half - 1);
  if (held_ != Arrow::None) {
    const QRect pressed =
        held_ == Arrow::Up ? QRect(1, 1, w - 2, half - 2) : QRect(1, half + 1, w - 2, h - half - 2);
    painter.fillRect(pressed, palette().color(QPalette::Highlight));
  }
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(arrows);
  painter.setPen(Qt::NoPen);
  const qreal cx = w / 2.0, s = std::min(w, half) / 4.0;
  const qreal upY = half / 2.0, downY = half + (h - half) / 2.0;
  painter.drawPolygon(QPolygonF(
      {QPointF(cx - s, upY + s / 2), QPointF(cx + s, upY + s / 2), QPointF(cx, upY - s / 2)}));
  painter.drawPolygon(QPolygonF({QPointF(cx - s, downY - s / 2), QPointF(cx + s, downY - s / 2),
                                 QPointF(cx, downY + s / 2)}));
}

}  // namespace widgets
