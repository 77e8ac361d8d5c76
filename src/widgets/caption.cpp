#include "widgets/caption.h"

#include <QMouseEvent>
#include <QPalette>

#include "platform/units.h"
#include "widgets/palette.h"

namespace widgets {

Caption::Caption(QWidget* parent, const QString& text, std::uint32_t foreColor, const QFont& font)
    : QLabel(text, parent), foreColor_(foreColor) {
  setFont(font);
  setTextFormat(Qt::PlainText);
  setWordWrap(false);
  setAttribute(Qt::WA_TranslucentBackground);
  setAutoFillBackground(false);
  setContextMenuPolicy(Qt::NoContextMenu);
  applyColor();
}

void Caption::setActive(bool active) {
  active_ = active;
  applyColor();
}

void Caption::setForeColor(std::uint32_t bgr) {
  foreColor_ = bgr;
  applyColor();
}

void Caption::sizeToText() {
  resize(fontMetrics().horizontalAdvance(text()) + 2 * margin() + 1, height());
}

void Caption::applyColor() {
  QPalette palette = this->palette();
  const QColor color = platform::bgrColor(active_ ? foreColor_ : palette::kGrey);
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::WindowText, color);
  }
  setPalette(palette);
}

void Caption::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() == Qt::LeftButton) leftPressed_ = true;
}

void Caption::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton) return;
  const bool wasClicked = leftPressed_ && rect().contains(event->position().toPoint());
  leftPressed_ = false;
  if (wasClicked && active_) emit clicked();
}

void Caption::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a double click counts as a press of its own.
  mousePressEvent(event);
}

}  // namespace widgets
