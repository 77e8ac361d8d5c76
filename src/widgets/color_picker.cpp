#include "widgets/color_picker.h"

#include "config/config_text.h"
#include "platform/units.h"
#include "widgets/fonts.h"
#include "widgets/palette.h"
#include "widgets/twips.h"

namespace widgets {
namespace {

// Places inside the picker, in twips.
constexpr twips::Rect kRedLetter{30, 0, 180, 405};
constexpr twips::Rect kGreenLetter{460, 0, 195, 405};
constexpr twips::Rect kBlueLetter{880, 0, 180, 405};
constexpr twips::Rect kRedArrows{0, 360, 255, 375};
constexpr twips::Rect kGreenArrows{420, 360, 255, 375};
constexpr twips::Rect kBlueArrows{840, 360, 255, 375};
constexpr twips::Rect kRedBox{0, 720, 375, 285};
constexpr twips::Rect kGreenBox{360, 720, 375, 285};
constexpr twips::Rect kBlueBox{760, 720, 375, 285};
constexpr twips::Rect kSwatch{1200, 120, 615, 855};

}  // namespace

std::int16_t steppedLevel(std::int16_t level, bool up) {
  if (up) return level < 255 ? std::int16_t(level + 5) : std::int16_t(255);
  return level > 0 ? std::int16_t(level - 5) : std::int16_t(0);
}

ColorPicker::ColorPicker(QWidget* parent) : QWidget(parent) {
  platform::setBackColor(this, palette::kBlack);
  const QFont letters = fonts::comicFont(14.25, true);
  auto letter = [&](const char* text, std::uint32_t color, const twips::Rect& place) {
    auto* label = new widgets::Caption(this, QString::fromLatin1(text), color, letters);
    twips::place(label, place);
    return label;
  };
  redLetter = letter("R", palette::kRed, kRedLetter);
  greenLetter = letter("G", palette::kOlive, kGreenLetter);
  blueLetter = letter("B", palette::kBlue, kBlueLetter);

  auto spin = [&](const twips::Rect& place) {
    auto* arrows = new SpinArrows(this, palette::kNavy);
    twips::place(arrows, place);
    return arrows;
  };
  redArrows = spin(kRedArrows);
  greenArrows = spin(kGreenArrows);
  blueArrows = spin(kBlueArrows);

  // The control's default font; typing is allowed but changes no level.
  const QFont boxFont = fonts::sansSerifFont(8.25);
  auto box = [&](const twips::Rect& place) {
    auto* text = new widgets::OneLineBox(this, palette::kBlack, palette::kLightCyan, boxFont);
    twips::place(text, place);
    text->showText(QStringLiteral("235"));
    return text;
  };
  redBox = box(kRedBox);
  greenBox = box(kGreenBox);
  blueBox = box(kBlueBox);

  swatch = new widgets::PictureBox(this, previewColor());
  twips::place(swatch, kSwatch);

  const QList<QWidget*> stops = tabStops();
  for (qsizetype i = 1; i < stops.size(); ++i) setTabOrder(stops[i - 1], stops[i]);

  connect(redArrows, &SpinArrows::upPressed, this, [this] { step(red_, redBox, +1); });
  connect(redArrows, &SpinArrows::downPressed, this, [this] { step(red_, redBox, -1); });
  connect(greenArrows, &SpinArrows::upPressed, this, [this] { step(green_, greenBox, +1); });
  connect(greenArrows, &SpinArrows::downPressed, this, [this] { step(green_, greenBox, -1); });
  connect(blueArrows, &SpinArrows::upPressed, this, [this] { step(blue_, blueBox, +1); });
  connect(blueArrows, &SpinArrows::downPressed, this, [this] { step(blue_, blueBox, -1); });
}

std::uint32_t ColorPicker::previewColor() const { return platform::bgr(red_, green_, blue_); }

void ColorPicker::step(std::int16_t& level, widgets::OneLineBox* box, int by) {
  level = steppedLevel(level, by > 0);
  // Written on every press, so a typed text gives way to the true level.
  box->setText(config::numberText(level));
  showSwatch();
}

void ColorPicker::showSwatch() { platform::setBackColor(swatch, previewColor()); }

}  // namespace widgets
