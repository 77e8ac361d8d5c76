#include "widgets/outline.h"

#include <QPainter>

#include "platform/units.h"

namespace widgets {

Outline::Outline(QWidget* parent, std::uint32_t borderColor, int borderWidth)
    : QWidget(parent), color_(borderColor), width_(borderWidth) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Outline::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The border lies inside the outline's rectangle.
  const int w = width_;
  const QColor color = platform::bgrColor(color_);
  painter.fillRect(0, 0, width(), w, color);
  painter.fillRect(0, height() - w, width(), w, color);
  painter.fillRect(0, 0, w, height(), color);
  painter.fillRect(width() - w, 0, w, height(), color);
}

}  // namespace widgets
