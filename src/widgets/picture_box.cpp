#include "widgets/picture_box.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

#include "platform/units.h"

namespace widgets {

PictureBox::PictureBox(QWidget* parent, std::uint32_t backColor) : QWidget(parent) {
  platform::setBackColor(this, backColor);
}

void PictureBox::setPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

QImage& PictureBox::drawingSurface() {
  if (picture_.size() != size() || picture_.format() != QImage::Format_RGBX8888) {
    picture_ = QImage(size(), QImage::Format_RGBX8888);
    picture_.fill(palette().color(QPalette::Window));
  }
  return picture_;
}

void PictureBox::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter(this).drawImage(0, 0, picture_);
}

void PictureBox::mousePressEvent(QMouseEvent* event) { event->accept(); }
void PictureBox::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }
void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

}  // namespace widgets
