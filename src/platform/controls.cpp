#include "platform/controls.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

#include "platform/units.h"

namespace platform {

int VbButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return 1;
    case Qt::RightButton:
      return 2;
    case Qt::MiddleButton:
      return 4;
    default:
      return 0;
  }
}

Label::Label(QWidget* parent, const QString& caption, std::uint32_t foreColor, const QFont& font)
    : QLabel(caption, parent), fore_color_(foreColor) {
  setFont(font);
  setTextFormat(Qt::PlainText);
  setWordWrap(false);
  setAttribute(Qt::WA_TranslucentBackground);
  setAutoFillBackground(false);
  setContextMenuPolicy(Qt::NoContextMenu);
  ApplyColor();
}

void Label::SetEnabled(bool enabled) {
  enabled_ = enabled;
  ApplyColor();
}

void Label::SetForeColor(std::uint32_t bgr) {
  fore_color_ = bgr;
  ApplyColor();
}

void Label::SizeToText() {
  resize(fontMetrics().horizontalAdvance(text()) + 2 * margin() + 1, height());
}

void Label::ApplyColor() {
  QPalette palette = this->palette();
  const QColor color = BgrColor(enabled_ ? fore_color_ : kGreyedColor);
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::WindowText, color);
  }
  setPalette(palette);
}

void Label::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() == Qt::LeftButton) left_pressed_ = true;
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton) return;
  const bool clicked = left_pressed_ && rect().contains(event->position().toPoint());
  left_pressed_ = false;
  if (clicked && enabled_) emit Click();
}

void Label::mouseDoubleClickEvent(QMouseEvent* event) {
  // The second press of a double click counts as a press of its own.
  mousePressEvent(event);
}

Panel::Panel(QWidget* parent, std::uint32_t backColor) : QFrame(parent) {
  setFrameShape(QFrame::NoFrame);
  SetBackColor(this, backColor);
}

void Panel::mousePressEvent(QMouseEvent* event) {
  event->accept();
  emit MouseDown(VbButton(event->button()));
}

PictureBox::PictureBox(QWidget* parent, std::uint32_t backColor) : QWidget(parent) {
  SetBackColor(this, backColor);
}

void PictureBox::SetPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

QImage& PictureBox::DrawingSurface() {
  if (picture_.size() != size() || picture_.format() != QImage::Format_RGBX8888) {
    picture_ = QImage(size(), QImage::Format_RGBX8888);
    picture_.fill(palette().color(QPalette::Window));
  }
  return picture_;
}

void PictureBox::Refresh() { repaint(); }

void PictureBox::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter(this).drawImage(0, 0, picture_);
}

void PictureBox::mousePressEvent(QMouseEvent* event) { event->accept(); }
void PictureBox::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }
void PictureBox::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

}  // namespace platform
