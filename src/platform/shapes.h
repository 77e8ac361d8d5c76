// A drawing-only control: a rectangle outline. It does not take the mouse:
// presses go through to what lies beneath.
#pragma once

#include <QWidget>
#include <cstdint>

namespace platform {

class Shape : public QWidget {
 public:
  Shape(QWidget* parent, std::uint32_t borderColor, int borderWidth);
  std::uint32_t BorderColor() const { return color_; }
  int BorderWidth() const { return width_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::uint32_t color_;
  int width_;
};

}  // namespace platform
