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

Line::Line(QWidget* parent, int x1, int y1, int x2, int y2, std::uint32_t color, int width)
    : QWidget(parent),
      from_(TwipsToPixels(x1), TwipsToPixels(y1)),
      to_(TwipsToPixels(x2), TwipsToPixels(y2)),
      color_(color),
      width_(width) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  const int pad = width_;
  const QRect box = QRect(from_, to_).normalized().adjusted(-pad, -pad, pad, pad);
  setGeometry(box);
  from_ -= box.topLeft();
  to_ -= box.topLeft();
}

void Line::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QPen pen(BgrColor(color_), width_);
  pen.setCapStyle(Qt::FlatCap);
  painter.setPen(pen);
  painter.drawLine(from_, to_);
}

}  // namespace platform
