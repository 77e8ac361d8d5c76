#include "pages/sound_page.h"

namespace pages {
namespace {

// Places on the page, in twips: one row each, captions at the left.
constexpr int kVolumeTop = 600;
constexpr int kCdVolumeTop = 960;
constexpr int kHiSoundTop = 1320;
constexpr int kLoad8bitTop = 1680;
constexpr int kEffects3dTop = 2040;
constexpr int kVoiceMessagesTop = 2400;
constexpr twips::Rect kVolumeValue{4920, kVolumeTop, 1455, 375};
constexpr twips::Rect kCdVolumeValue{4920, kCdVolumeTop, 1455, 375};
constexpr twips::Rect kHiSoundList{4920, kHiSoundTop, 1215, 360};
constexpr twips::Rect kLoad8bitList{4920, kLoad8bitTop, 1215, 360};
constexpr twips::Rect kEffects3dList{4920, kEffects3dTop, 1215, 360};
constexpr twips::Rect kVoiceMessagesList{4920, kVoiceMessagesTop, 1215, 360};

}  // namespace

SoundPage::SoundPage()
    : SettingsPage({shell::MenuPage::Sound, QStringLiteral("Sound Setting"), 6330, 2910, 6300, 2880,
                    QStringLiteral("Настройки звука"), 1560, 2340}) {
  volumeCaption = addCaption(QStringLiteral("Громкость"), kVolumeTop);
  cdVolumeCaption = addCaption(QStringLiteral("Громкость воспроизведения CD-Audio"), kCdVolumeTop);
  hiSoundCaption = addCaption(QStringLiteral("Высококачетвенный звук"), kHiSoundTop);
  load8bitCaption = addCaption(QStringLiteral("Высококачетвенный звук [16 bit]"), kLoad8bitTop);
  effects3dCaption = addCaption(QStringLiteral("3х-мерные эффекты"), kEffects3dTop);
  voiceMessagesCaption = addCaption(QStringLiteral("Голосовые сообщения"), kVoiceMessagesTop);

  volumeValue = addValueWidget(widgets::kVolume, kVolumeValue);
  cdVolumeValue = addValueWidget(widgets::kVolume, kCdVolumeValue);
  hiSoundList = addList(offOn(), kHiSoundList);
  load8bitList = addList({QStringLiteral("Да"), QStringLiteral("Нет")}, kLoad8bitList);
  effects3dList = addList(offOn(), kEffects3dList);
  voiceMessagesList = addList(offOn(), kVoiceMessagesList);

  setTabChain({volumeValue, load8bitList, hiSoundList, cdVolumeValue, effects3dList,
               voiceMessagesList, doneButton});
}

void SoundPage::onLoad() {
  hiSoundList->setCurrentIndex(1);
  load8bitList->setCurrentIndex(0);
  effects3dList->setCurrentIndex(0);
  voiceMessagesList->setCurrentIndex(1);
}

QStringList SoundPage::sectionLines() const {
  return soundSection({volumeValue->valueText(), cdVolumeValue->valueText(),
                       hiSoundList->currentIndex(), load8bitList->currentIndex(),
                       effects3dList->currentIndex()});
}

}  // namespace pages
