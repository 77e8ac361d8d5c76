#include "pages/sound_page.h"

namespace pages {

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
  return soundSection({Volume1->TText(), Volume2->TText(), Combo1->ListIndex(), Combo2->ListIndex(),
                       Combo3->ListIndex()});
}

}  // namespace pages
