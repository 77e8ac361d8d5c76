#include "widgets/color_picker.h"

#include "config/config_text.h"
#include "platform/units.h"

namespace widgets {

std::int16_t SteppedLevel(std::int16_t level, bool up) {
  if (up) return level < 255 ? std::int16_t(level + 5) : std::int16_t(255);
  return level > 0 ? std::int16_t(level - 5) : std::int16_t(0);
}

ColorPicker::ColorPicker(QWidget* parent) : QWidget(parent) {
  platform::SetBackColor(this, 0x00000000);
  const QFont letters = platform::MakeFont(QStringLiteral("Comic Sans MS"), 14.25, true);
  auto letter = [&](const char* text, std::uint32_t color, int left, int width) {
    auto* label = new platform::Label(this, QString::fromLatin1(text), color, letters);
    platform::PlaceTwips(label, left, 0, width, 405);
    return label;
  };
  Label2 = letter("R", 0x000000FF, 30, 180);
  Label3 = letter("G", 0x00008080, 460, 195);
  Label1 = letter("B", 0x00FF0000, 880, 180);

  auto spin = [&](int left) {
    auto* button = new platform::SpinButton(this, 0x00800000);
    platform::PlaceTwips(button, left, 360, 255, 375);
    return button;
  };
  SpinR = spin(0);
  SpinG = spin(420);
  SpinB = spin(840);

  // The control's default font; typing is allowed but changes no level.
  const QFont boxFont = platform::MakeFont(QStringLiteral("MS Sans Serif"), 8.25);
  auto box = [&](int left) {
    auto* text = new platform::TextBox(this, 0x00000000, 0x00FFFFC0, boxFont);
    platform::PlaceTwips(text, left, 720, 375, 285);
    text->SetText(QStringLiteral("235"));
    return text;
  };
  Text1 = box(0);
  Text2 = box(360);
  Text3 = box(760);

  Picture1 = new platform::PictureBox(this, PreviewColor());
  platform::PlaceTwips(Picture1, 1200, 120, 615, 855);

  const QList<QWidget*> stops = TabStops();
  for (qsizetype i = 1; i < stops.size(); ++i) setTabOrder(stops[i - 1], stops[i]);

  connect(SpinR, &platform::SpinButton::SpinUp, this, [this] { Step(R_, Text1, +1); });
  connect(SpinR, &platform::SpinButton::SpinDown, this, [this] { Step(R_, Text1, -1); });
  connect(SpinG, &platform::SpinButton::SpinUp, this, [this] { Step(G_, Text2, +1); });
  connect(SpinG, &platform::SpinButton::SpinDown, this, [this] { Step(G_, Text2, -1); });
  connect(SpinB, &platform::SpinButton::SpinUp, this, [this] { Step(B_, Text3, +1); });
  connect(SpinB, &platform::SpinButton::SpinDown, this, [this] { Step(B_, Text3, -1); });
}

std::uint32_t ColorPicker::PreviewColor() const { return platform::RGB(R_, G_, B_); }

void ColorPicker::Step(std::int16_t& level, platform::TextBox* box, int by) {
  level = SteppedLevel(level, by > 0);
  // Written on every press, so a typed text gives way to the true level.
  box->setText(config::numberText(level));
  ShowSwatch();
}

void ColorPicker::ShowSwatch() { platform::SetBackColor(Picture1, PreviewColor()); }

}  // namespace widgets
