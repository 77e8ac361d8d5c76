#include "pages/mouse_page.h"

namespace pages {
namespace {

// Places on the page, in twips.
constexpr int kSensitivityTop = 600;
constexpr int kZoomSensitivityTop = 960;
constexpr int kFilterTop = 1680;
constexpr int kPitchReverseTop = 2040;
constexpr int kYawReverseTop = 2400;
constexpr int kLookStrafeTop = 2760;
constexpr int kMouseLookTop = 3120;
// The two long captions wrap in boxes of these sizes.
constexpr int kZoomSensitivityCaptionWidth = 3315;
constexpr int kZoomSensitivityCaptionHeight = 675;
constexpr int kMouseLookCaptionWidth = 3075;
constexpr int kMouseLookCaptionHeight = 705;
constexpr twips::Rect kSensitivityValue{4200, kSensitivityTop, 1335, 375};
constexpr twips::Rect kZoomSensitivityValue{4200, 1080, 1335, 375};
constexpr twips::Rect kFilterList{4200, kFilterTop, 1215, 360};
constexpr twips::Rect kPitchReverseList{4200, kPitchReverseTop, 1215, 360};
constexpr twips::Rect kYawReverseList{4200, kYawReverseTop, 1215, 360};
constexpr twips::Rect kLookStrafeList{4200, kLookStrafeTop, 1215, 360};
constexpr twips::Rect kMouseLookList{4200, kMouseLookTop, 1215, 360};

}  // namespace

MousePage::MousePage()
    : SettingsPage({shell::MenuPage::Mouse, QStringLiteral("Mouse Setting"), 5610, 3990, 5580, 3960,
                    QStringLiteral("Настройки мышки"), 1560, 2580}) {
  sensitivityCaption = addCaption(QStringLiteral("Чувствительность мышки"), kSensitivityTop);
  zoomSensitivityCaption =
      addCaption(QStringLiteral("Чувствительность мышки в режиме приближения"), kZoomSensitivityTop,
                 kZoomSensitivityCaptionWidth, kZoomSensitivityCaptionHeight);
  filterCaption = addCaption(QStringLiteral("\"Сглаживание\" движения"), kFilterTop);
  pitchReverseCaption = addCaption(QStringLiteral("Вертикальный реверс"), kPitchReverseTop);
  yawReverseCaption = addCaption(QStringLiteral("Горизонтальный реверс"), kYawReverseTop);
  lookStrafeCaption = addCaption(QStringLiteral("Стрейф мышкой"), kLookStrafeTop);
  mouseLookCaption = addCaption(QStringLiteral("Использовать мышку для кругового обзора"),
                                kMouseLookTop, kMouseLookCaptionWidth, kMouseLookCaptionHeight);

  sensitivityValue = addValueWidget(widgets::kSensitivity, kSensitivityValue);
  zoomSensitivityValue = addValueWidget(widgets::kSensitivity, kZoomSensitivityValue);
  filterList = addList(offOn(), kFilterList);
  pitchReverseList = addList(offOn(), kPitchReverseList);
  yawReverseList = addList(offOn(), kYawReverseList);
  lookStrafeList = addList(offOn(), kLookStrafeList);
  mouseLookList = addList(noYes(), kMouseLookList);

  setTabChain({sensitivityValue, zoomSensitivityValue, filterList, pitchReverseList, yawReverseList,
               lookStrafeList, mouseLookList, doneButton});
}

void MousePage::onLoad() {
  filterList->setCurrentIndex(1);
  pitchReverseList->setCurrentIndex(1);
  yawReverseList->setCurrentIndex(0);
  lookStrafeList->setCurrentIndex(0);
  mouseLookList->setCurrentIndex(1);
}

QStringList MousePage::sectionLines() const {
  return mouseSection({sensitivityValue->valueText(), zoomSensitivityValue->valueText(),
                       filterList->currentIndex(), pitchReverseList->currentIndex(),
                       yawReverseList->currentIndex(), lookStrafeList->currentIndex(),
                       mouseLookList->currentIndex()});
}

}  // namespace pages
