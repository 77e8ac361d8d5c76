// ColorPicker: three channel levels in steps of five from 0 to 255, each with its
// spin button, letter and value box, and a swatch of the colour they make.
#pragma once

#include <QWidget>
#include <cstdint>

#include "platform/controls.h"
#include "platform/inputs.h"
#include "widgets/spin_arrows.h"

namespace widgets {

class ColorPicker : public QWidget {
  Q_OBJECT

 public:
  explicit ColorPicker(QWidget* parent);

  // The levels the page reads; the value boxes never change them.
  std::int16_t R() const { return R_; }
  std::int16_t G() const { return G_; }
  std::int16_t B() const { return B_; }

  platform::Label *Label2, *Label3, *Label1;  // R, G, B letters
  // The spin buttons of the levels R, G and B.
  SpinArrows *SpinR, *SpinG, *SpinB;
  platform::TextBox *Text1, *Text2, *Text3;  // the levels R, G, B
  platform::PictureBox* Picture1;            // the swatch

  // The preview colour, 0x00BBGGRR.
  std::uint32_t PreviewColor() const;
  // What takes the focus in turn: the three spin buttons, then the three boxes.
  // The picker itself takes none and forwards none, so a page's tab order names these.
  QList<QWidget*> TabStops() const { return {SpinR, SpinG, SpinB, Text1, Text2, Text3}; }

 private:
  std::int16_t R_ = 235, G_ = 235, B_ = 235;

  void Step(std::int16_t& level, platform::TextBox* box, int by);
  void ShowSwatch();
};

// One press on a level: up or down by five, held within 0 to 255.
std::int16_t SteppedLevel(std::int16_t level, bool up);

}  // namespace widgets
