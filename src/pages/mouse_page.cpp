#include "pages/mouse_page.h"

#include "config/config_text.h"

namespace pages {
namespace {

QString Reversed(int index) {
  return index == 0 ? QStringLiteral("0.022") : QStringLiteral("-0.022");
}

}  // namespace

QStringList MouseSection(const MouseChoices& c) {
  using config::valueLine;
  return {
      valueLine(u"sensitivity", c.sensitivity),
      valueLine(u"zoom_sensitivity_ratio", c.zoomSensitivity),
      valueLine(u"m_filter", c.filter),
      valueLine(u"m_pitch", Reversed(c.pitchReverse)),
      valueLine(u"m_yaw", Reversed(c.yawReverse)),
      valueLine(u"lookstrafe", c.lookStrafe),
      c.mouseLook == 0 ? QStringLiteral("-mlook") : QStringLiteral("+mlook"),
      valueLine(u"m_forward", u"1"),
      valueLine(u"m_side", u"0.8"),
      valueLine(u"lookspring", u"0"),
      valueLine(u"default_fov", u"110"),
  };
}

MousePage::MousePage()
    : SettingsPage({shell::MenuPage::Mouse, QStringLiteral("Mouse Setting"), 5610, 3990, 5580, 3960,
                    QStringLiteral("Настройки мышки"), 1560, 2580, 4200}) {
  Label3 = AddCaption(QStringLiteral("Чувствительность мышки"), 600);
  Label2 =
      AddCaption(QStringLiteral("Чувствительность мышки в режиме приближения"), 960, 3315, 675);
  Label4 = AddCaption(QStringLiteral("\"Сглаживание\" движения"), 1680);
  Label5 = AddCaption(QStringLiteral("Вертикальный реверс"), 2040);
  Label6 = AddCaption(QStringLiteral("Горизонтальный реверс"), 2400);
  Label7 = AddCaption(QStringLiteral("Стрейф мышкой"), 2760);
  Label8 = AddCaption(QStringLiteral("Использовать мышку для кругового обзора"), 3120, 3075, 705);

  SEN1 = AddWidget(widgets::SEN, 4200, 600, 1335, 375);
  SEN2 = AddWidget(widgets::SEN, 4200, 1080, 1335, 375);
  Combo1 = AddList(OffOn(), 4200, 1680, 1215, 360);
  Combo2 = AddList(OffOn(), 4200, 2040, 1215, 360);
  Combo3 = AddList(OffOn(), 4200, 2400, 1215, 360);
  Combo4 = AddList(OffOn(), 4200, 2760, 1215, 360);
  Combo5 = AddList(NoYes(), 4200, 3120, 1215, 360);

  SetTabOrder({SEN1, SEN2, Combo1, Combo2, Combo3, Combo4, Combo5, Command2});
}

void MousePage::Form_Load() {
  Combo1->SetListIndex(1);
  Combo2->SetListIndex(1);
  Combo3->SetListIndex(0);
  Combo4->SetListIndex(0);
  Combo5->SetListIndex(1);
}

QStringList MousePage::SectionLines() const {
  return MouseSection({SEN1->TText(), SEN2->TText(), Combo1->ListIndex(), Combo2->ListIndex(),
                       Combo3->ListIndex(), Combo4->ListIndex(), Combo5->ListIndex()});
}

}  // namespace pages
