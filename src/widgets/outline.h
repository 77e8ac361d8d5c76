// A drawing-only rectangle outline. It does not take the mouse: presses go
// through to what lies beneath.
#pragma once

#include <QWidget>
#include <cstdint>

namespace widgets {

class Outline : public QWidget {
 public:
  Outline(QWidget* parent, std::uint32_t borderColor, int borderWidth);
  std::uint32_t borderColor() const { return color_; }
  int borderWidth() const { return width_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::uint32_t color_;
  int width_;
};

}  // namespace widgets
