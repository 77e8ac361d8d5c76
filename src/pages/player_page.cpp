#include "pages/player_page.h"

namespace pages {
namespace {

// Places on the page, in twips: one row each, captions at the left.
constexpr int kBobTop = 720;
constexpr int kRightHandTop = 1080;
constexpr int kObserverCrosshairTop = 1440;
constexpr int kBackSpeedTop = 1800;
constexpr int kForwardSpeedTop = 2160;
constexpr int kSideSpeedTop = 2520;
constexpr twips::Rect kBobList{5760, kBobTop, 1215, 360};
constexpr twips::Rect kRightHandList{5760, kRightHandTop, 1215, 360};
constexpr twips::Rect kObserverCrosshairList{5760, kObserverCrosshairTop, 1215, 360};
constexpr twips::Rect kBackSpeedValue{5760, kBackSpeedTop, 1335, 375};
constexpr twips::Rect kForwardSpeedValue{5760, kForwardSpeedTop, 1335, 375};
constexpr twips::Rect kSideSpeedValue{5760, kSideSpeedTop, 1335, 375};

}  // namespace

PlayerPage::PlayerPage()
    : SettingsPage({shell::MenuPage::Player, QStringLiteral("Player Setting"), 7170, 3030, 7140,
                    3000, QStringLiteral("Настройки игрока"), 2160, 2535}) {
  bobCaption = addCaption(QStringLiteral("Покачивание оружия при движении"), kBobTop);
  rightHandCaption = addCaption(QStringLiteral("Рука для оружия"), kRightHandTop);
  observerCrosshairCaption =
      addCaption(QStringLiteral("Показ прицела в режиме Observer"), kObserverCrosshairTop);
  backSpeedCaption =
      addCaption(QStringLiteral("Скорость передвижения игрока назад"), kBackSpeedTop);
  forwardSpeedCaption =
      addCaption(QStringLiteral("Скорость передвижения игрока вперед"), kForwardSpeedTop);
  sideSpeedCaption =
      addCaption(QStringLiteral("Скорость смешения игрока влево и вправо"), kSideSpeedTop);

  bobList = addList(offOn(), kBobList);
  rightHandList = addList({QStringLiteral("Левая"), QStringLiteral("Правая")}, kRightHandList);
  observerCrosshairList = addList(offOn(), kObserverCrosshairList);
  backSpeedValue = addValueWidget(widgets::kSpeed, kBackSpeedValue);
  forwardSpeedValue = addValueWidget(widgets::kSpeed, kForwardSpeedValue);
  sideSpeedValue = addValueWidget(widgets::kSpeed, kSideSpeedValue);

  setTabChain({bobList, observerCrosshairList, backSpeedValue, forwardSpeedValue, sideSpeedValue,
               rightHandList, doneButton});
}

void PlayerPage::onLoad() {
  bobList->setCurrentIndex(1);
  observerCrosshairList->setCurrentIndex(0);
  rightHandList->setCurrentIndex(1);
}

QStringList PlayerPage::sectionLines() const {
  return playerSection({bobList->currentIndex(), rightHandList->currentIndex(),
                        observerCrosshairList->currentIndex(), backSpeedValue->valueText(),
                        forwardSpeedValue->valueText(), sideSpeedValue->valueText()});
}

}  // namespace pages
