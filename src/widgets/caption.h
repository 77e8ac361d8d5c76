// A caption the player can click: transparent, one line, in one colour and font.
#pragma once

#include <QLabel>
#include <QWidget>
#include <cstdint>

namespace widgets {

// It takes every mouse press itself, so a press on it never reaches the panel
// below. clicked comes from the left button; an inactive caption shows grey
// and raises nothing (it stays enabled, so presses on it still stop here).
class Caption : public QLabel {
  Q_OBJECT

 public:
  Caption(QWidget* parent, const QString& text, std::uint32_t foreColor, const QFont& font);

  bool isActive() const { return active_; }
  void setActive(bool active);
  std::uint32_t foreColor() const { return foreColor_; }
  void setForeColor(std::uint32_t bgr);

  // As wide as its text on one line, for a caption placed without a width.
  void sizeToText();

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void applyColor();

  std::uint32_t foreColor_;
  bool active_ = true;
  bool leftPressed_ = false;
};

}  // namespace widgets
