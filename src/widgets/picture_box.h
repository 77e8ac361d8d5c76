// A picture on a solid background.
#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>

namespace widgets {

// It handles no mouse button and lets none through to what lies beneath.
class PictureBox : public QWidget {
  Q_OBJECT

 public:
  PictureBox(QWidget* parent, std::uint32_t backColor);

  // Shown from the top-left corner, over the background.
  void setPicture(const QImage& picture);
  const QImage& picture() const { return picture_; }

  // The box's picture to draw on pixel by pixel: as large as the box, 32 bits
  // a pixel laid out red, green, blue, unused (QImage::Format_RGBX8888), in the
  // back colour until drawn on. repaint() shows what was drawn, at once.
  QImage& drawingSurface();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace widgets
