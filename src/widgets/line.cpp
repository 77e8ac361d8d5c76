#include "widgets/line.h"

#include <QPainter>

#include "platform/units.h"

namespace widgets {

Line::Line(QWidget* parent, int x1, int y1, int x2, int y2, std::uint32_t color, int width)
    : QWidget(parent),
      from_(platform::twipsToPixels(x1), platform::twipsToPixels(y1)),
      to_(platform::twipsToPixels(x2), platform::twipsToPixels(y2)),
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
  QPen pen(platform::bgrColor(color_), width_);
  pen.setCapStyle(Qt::FlatCap);
  painter.setPen(pen);
  painter.drawLine(from_, to_);
}

}  // namespace widgets
