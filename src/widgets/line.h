// A straight line drawn over a window; it does not take the mouse: presses go
// through to what lies beneath.
#pragma once

#include <QWidget>
#include <cstdint>

namespace widgets {

// A line from (x1, y1) to (x2, y2) in twips of the parent; it may run past the
// parent's edge, which cuts it off.
class Line : public QWidget {
 public:
  Line(QWidget* parent, int x1, int y1, int x2, int y2, std::uint32_t color, int width);
  std::uint32_t lineColor() const { return color_; }
  int lineWidth() const { return width_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPoint from_, to_;
  std::uint32_t color_;
  int width_;
};

}  // namespace widgets
