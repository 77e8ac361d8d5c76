#include "pages/video_page.h"

namespace pages {
namespace {

// Places on the page, in twips: twelve rows, captions at the left, the value
// controls in one column.
constexpr int kValueLeft = 5760;
constexpr int kValueWidgetWidth = 1575;
constexpr int kValueWidgetHeight = 375;
constexpr int kListWidth = 1455;
constexpr int kListHeight = 360;
constexpr int rowTop(int row) { return 240 + 360 * row; }
constexpr twips::Rect valuePlace(int row) {
  return {kValueLeft, rowTop(row), kValueWidgetWidth, kValueWidgetHeight};
}
constexpr twips::Rect listPlace(int row) {
  return {kValueLeft, rowTop(row), kListWidth, kListHeight};
}

}  // namespace

VideoPage::VideoPage()
    : SettingsPage({shell::MenuPage::Video, QStringLiteral("Video Setting"), 7410, 5175, 7380, 5160,
                    QStringLiteral("Видео настройки"), 2280, 2400}) {
  const QString captions[] = {
      QStringLiteral("Гамма"),
      QStringLiteral("Яркость"),
      QStringLiteral("Гамма текстур (небо и т.д) "),
      QStringLiteral("Максимальное кол-во дымовых спрайтов"),
      QStringLiteral("Макс. отображаемых следов от пуль, крови"),
      QStringLiteral("Качественная прорисовка моделей"),
      QStringLiteral("Динамический свет и фонарик"),
      QStringLiteral("Поддержка \u041C\u041C\u0425"),  // the three capitals are Cyrillic
      QStringLiteral("Реализм дымовых спрайтов"),
      QStringLiteral("Кровь"),
      QStringLiteral("Режим 3DFX/NVIDIA"),
      QStringLiteral("2-ой прицел"),
  };
  for (int row = 1; row <= 12; ++row) rowCaptions << addCaption(captions[row - 1], rowTop(row));

  gammaValue = addValueWidget(widgets::kWholeFromOne, valuePlace(1));
  brightnessValue = addValueWidget(widgets::kWholeFromOne, valuePlace(2));
  texGammaValue = addValueWidget(widgets::kWholeFromOne, valuePlace(3));
  smokePuffsValue = addValueWidget(widgets::kWholeFromZero, valuePlace(4));
  decalsValue = addValueWidget(widgets::kWholeFromZero, valuePlace(5));
  hiModelsList = addList(offOn(), listPlace(6));
  dynamicLightList = addList(offOn(), listPlace(7));
  mmxList = addList(offOn(), listPlace(8));
  smokeRealismList =
      addList({QStringLiteral("Высокий"), QStringLiteral("Средний"), QStringLiteral("Низкий")},
              listPlace(9));
  bloodList = addList(offOn(), listPlace(10));
  mode3dfxList = addList({QStringLiteral("3DFX"), QStringLiteral("NVIDIA")}, listPlace(11));
  crosshairList = addList({QStringLiteral("Одинарный"), QStringLiteral("Двойной")}, listPlace(12));

  setTabChain({gammaValue, brightnessValue, crosshairList, texGammaValue, smokeRealismList,
               bloodList, mode3dfxList, smokePuffsValue, decalsValue, mmxList, dynamicLightList,
               hiModelsList, doneButton});
}

void VideoPage::onLoad() {
  crosshairList->setCurrentIndex(0);
  hiModelsList->setCurrentIndex(1);
  dynamicLightList->setCurrentIndex(1);
  mmxList->setCurrentIndex(1);
  smokeRealismList->setCurrentIndex(0);
  bloodList->setCurrentIndex(1);
  mode3dfxList->setCurrentIndex(1);
}

QStringList VideoPage::sectionLines() const {
  VideoChoices c;
  c.gamma = gammaValue->valueText();
  c.brightness = brightnessValue->valueText();
  c.texGamma = texGammaValue->valueText();
  c.smokePuffs = smokePuffsValue->valueText();
  c.decals = decalsValue->valueText();
  c.crosshair = crosshairList->currentIndex();
  c.hiModels = hiModelsList->currentIndex();
  c.dynamicLight = dynamicLightList->currentIndex();
  c.mmx = mmxList->currentIndex();
  c.smokeRealism = smokeRealismList->currentIndex();
  c.blood = bloodList->currentIndex();
  c.mode3dfx = mode3dfxList->currentIndex();
  return videoSection(c);
}

}  // namespace pages
