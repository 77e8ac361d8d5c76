#include "pages/sound_page.h"

#include "config/config_text.h"

namespace pages {

QStringList SoundSection(const SoundChoices& c) {
  using config::valueLine;
  const QString effects = c.effects3d == 0 ? QStringLiteral("0") : QStringLiteral("1");
  return {
      valueLine(u"volume", c.volume),         valueLine(u"hisound", c.hiSound),
      valueLine(u"loadas8bit", c.load8bit),   valueLine(u"bgmvolume", c.cdVolume),
      valueLine(u"s_a3d", effects),           valueLine(u"s_eax", effects),
      valueLine(u"s_geometry", effects),      valueLine(u"s_distance", u"60"),
      valueLine(u"_snd_mixahead", u"0.1"),    valueLine(u"s_distance", u"60"),
      valueLine(u"s_automin_distance", u"2"), valueLine(u"s_automax_distance", u"30"),
      valueLine(u"s_min_distance", u"8"),     valueLine(u"s_max_distance", u"1000"),
  };
}

SoundPage::SoundPage()
    : SettingsPage({shell::MenuPage::Sound, QStringLiteral("Sound Setting"), 6330, 2910, 6300, 2880,
                    QStringLiteral("Настройки звука"), 1560, 2340, 4920}) {
  Label3 = AddCaption(QStringLiteral("Громкость"), 600);
  Label5 = AddCaption(QStringLiteral("Громкость воспроизведения CD-Audio"), 960);
  Label2 = AddCaption(QStringLiteral("Высококачетвенный звук"), 1320);
  Label4 = AddCaption(QStringLiteral("Высококачетвенный звук [16 bit]"), 1680);
  Label6 = AddCaption(QStringLiteral("3х-мерные эффекты"), 2040);
  Label7 = AddCaption(QStringLiteral("Голосовые сообщения"), 2400);

  Volume1 = AddWidget(widgets::Volume, 4920, 600, 1455, 375);
  Volume2 = AddWidget(widgets::Volume, 4920, 960, 1455, 375);
  Combo1 = AddList(OffOn(), 4920, 1320, 1215, 360);
  Combo2 = AddList({QStringLiteral("Да"), QStringLiteral("Нет")}, 4920, 1680, 1215, 360);
  Combo3 = AddList(OffOn(), 4920, 2040, 1215, 360);
  Combo4 = AddList(OffOn(), 4920, 2400, 1215, 360);

  SetTabOrder({Volume1, Combo2, Combo1, Volume2, Combo3, Combo4, Command2});
}

void SoundPage::Form_Load() {
  Combo1->SetListIndex(1);
  Combo2->SetListIndex(0);
  Combo3->SetListIndex(0);
  Combo4->SetListIndex(1);
}

QStringList SoundPage::SectionLines() const {
  return SoundSection({Volume1->TText(), Volume2->TText(), Combo1->ListIndex(), Combo2->ListIndex(),
                       Combo3->ListIndex()});
}

}  // namespace pages
