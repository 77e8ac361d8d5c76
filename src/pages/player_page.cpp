#include "pages/player_page.h"

#include "config/config_text.h"

namespace pages {

QStringList PlayerSection(const PlayerChoices& c) {
  using config::valueLine;
  return {
      valueLine(u"cl_bob", c.bob == 0 ? QStringLiteral("0") : QStringLiteral("0.01")),
      valueLine(u"cl_bobup", u"0.5"),
      valueLine(u"cl_bobcycle", u"0.8"),
      valueLine(u"cl_forwardspeed", c.forwardSpeed),
      valueLine(u"cl_backspeed", c.backSpeed),
      valueLine(u"cl_sidespeed", c.sideSpeed),
      valueLine(u"cl_righthand", c.rightHand),
      valueLine(u"cl_observercrosshair", c.observerCrosshair),
  };
}

PlayerPage::PlayerPage()
    : SettingsPage({shell::MenuPage::Player, QStringLiteral("Player Setting"), 7170, 3030, 7140,
                    3000, QStringLiteral("Настройки игрока"), 2160, 2535, 5760}) {
  Label4 = AddCaption(QStringLiteral("Покачивание оружия при движении"), 720);
  Label8 = AddCaption(QStringLiteral("Рука для оружия"), 1080);
  Label5 = AddCaption(QStringLiteral("Показ прицела в режиме Observer"), 1440);
  Label3 = AddCaption(QStringLiteral("Скорость передвижения игрока назад"), 1800);
  Label2 = AddCaption(QStringLiteral("Скорость передвижения игрока вперед"), 2160);
  Label6 = AddCaption(QStringLiteral("Скорость смешения игрока влево и вправо"), 2520);

  Combo1 = AddList(OffOn(), 5760, 720, 1215, 360);
  Combo3 = AddList({QStringLiteral("Левая"), QStringLiteral("Правая")}, 5760, 1080, 1215, 360);
  Combo2 = AddList(OffOn(), 5760, 1440, 1215, 360);
  SPEED1 = AddWidget(widgets::SPEED, 5760, 1800, 1335, 375);
  SPEED2 = AddWidget(widgets::SPEED, 5760, 2160, 1335, 375);
  SPEED3 = AddWidget(widgets::SPEED, 5760, 2520, 1335, 375);

  SetTabOrder({Combo1, Combo2, SPEED1, SPEED2, SPEED3, Combo3, Command2});
}

void PlayerPage::Form_Load() {
  Combo1->SetListIndex(1);
  Combo2->SetListIndex(0);
  Combo3->SetListIndex(1);
}

QStringList PlayerPage::SectionLines() const {
  return PlayerSection({Combo1->ListIndex(), Combo3->ListIndex(), Combo2->ListIndex(),
                        SPEED1->TText(), SPEED2->TText(), SPEED3->TText()});
}

}  // namespace pages
