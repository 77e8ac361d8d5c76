#include "platform/shapes.h"

#include <QPainter>
#include <algorithm>

#include "platform/units.h"

namespace platform {

Shape::Shape(QWidget* parent, std::uint32_t borderColor, int borderWidth)
    : QWidget(parent), color_(borderColor), width_(borderWidth) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The border lies inside the shape's rectangle.
  const int w = width_;
  const QColor color = BgrColor(color_);
  painter.fillRect(0, 0, width(), w, color);
  painter.fillRect(0, height() - w, width(), w, color);
  painter.fillRect(0, 0, w, height(), color);
  painter.fillRect(width() - w, 0, w, height(), color);
}

}  // namespace platform
