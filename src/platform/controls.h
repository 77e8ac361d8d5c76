// The standard controls the windows are made of, with the events they raise.
#pragma once

#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QWidget>
#include <cstdint>

namespace platform {

// Mouse button codes as the handlers receive them: 1 left, 2 right, 4 middle.
int VbButton(Qt::MouseButton button);

// A plain text label: transparent, one line, its caption in one colour and font.
// It takes every mouse press itself, so a press on it never reaches the panel
// below. Click comes from the left button; a disabled label shows grey and
// raises nothing.
class Label : public QLabel {
  Q_OBJECT

 public:
  Label(QWidget* parent, const QString& caption, std::uint32_t foreColor, const QFont& font);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  std::uint32_t ForeColor() const { return fore_color_; }
  void SetForeColor(std::uint32_t bgr);

  static constexpr std::uint32_t kGreyedColor = 0x00808080;

  // As wide as its text on one line, for a caption placed without a width.
  void SizeToText();

 signals:
  void Click();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void ApplyColor();

  std::uint32_t fore_color_;
  bool enabled_ = true;
  bool left_pressed_ = false;
};

// A panel (frame) without border or caption; it raises MouseDown for presses on
// its own background.
class Panel : public QFrame {
  Q_OBJECT

 public:
  Panel(QWidget* parent, std::uint32_t backColor);

 signals:
  void MouseDown(int button);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

// A picture box: a solid background; it handles no mouse button and lets none
// through to what lies beneath.
class PictureBox : public QWidget {
  Q_OBJECT

 public:
  PictureBox(QWidget* parent, std::uint32_t backColor);

  // Shown from the top-left corner, over the background.
  void SetPicture(const QImage& picture);
  const QImage& Picture() const { return picture_; }

  // The box's picture to draw on pixel by pixel: as large as the box, 32 bits
  // a pixel laid out red, green, blue, unused (QImage::Format_RGBX8888), in the
  // back colour until drawn on. Refresh shows what was drawn, at once.
  QImage& DrawingSurface();
  void Refresh();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace platform
