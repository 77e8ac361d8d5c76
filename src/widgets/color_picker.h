// ColorPicker: three channel levels in steps of five from 0 to 255, each with its
// spin arrows, letter and value box, and a swatch of the colour they make.
#pragma once

#include <QWidget>
#include <cstdint>

#include "widgets/caption.h"
#include "widgets/one_line_box.h"
#include "widgets/picture_box.h"
#include "widgets/spin_arrows.h"

namespace widgets {

class ColorPicker : public QWidget {
  Q_OBJECT

 public:
  explicit ColorPicker(QWidget* parent);

  // The levels the page reads; the value boxes never change them.
  std::int16_t red() const { return red_; }
  std::int16_t green() const { return green_; }
  std::int16_t blue() const { return blue_; }

  widgets::Caption *redLetter, *greenLetter, *blueLetter;
  SpinArrows *redArrows, *greenArrows, *blueArrows;
  widgets::OneLineBox *redBox, *greenBox, *blueBox;
  widgets::PictureBox* swatch;

  // The preview colour, 0x00BBGGRR.
  std::uint32_t previewColor() const;
  // What takes the focus in turn: the three spin arrows, then the three boxes.
  // The picker itself takes none and forwards none, so a page's tab order names these.
  QList<QWidget*> tabStops() const {
    return {redArrows, greenArrows, blueArrows, redBox, greenBox, blueBox};
  }

 private:
  std::int16_t red_ = 235, green_ = 235, blue_ = 235;

  void step(std::int16_t& level, widgets::OneLineBox* box, int by);
  void showSwatch();
};

// One press on a level: up or down by five, held within 0 to 255.
std::int16_t steppedLevel(std::int16_t level, bool up);

}  // namespace widgets
