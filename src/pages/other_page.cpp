#include "pages/other_page.h"

#include <utility>

#include "widgets/fonts.h"
#include "widgets/palette.h"

namespace pages {
namespace {

// Places on the page, in twips: captions at the left, the value controls in
// one column.
constexpr int kValueLeft = 4920;
constexpr int kWrappedCaptionHeight = 705;
constexpr twips::Rect textBoxPlace(int top) { return {kValueLeft, top, 1935, 375}; }
constexpr twips::Rect listPlace(int top) { return {kValueLeft, top, 1215, 360}; }
constexpr twips::Rect valuePlace(int top) { return {kValueLeft, top, 1335, 375}; }
constexpr twips::Rect kNameBox = textBoxPlace(720);
constexpr twips::Rect kServerNameBox = textBoxPlace(1080);
constexpr twips::Rect kConsoleMessagesList = listPlace(1560);
constexpr twips::Rect kCenterIdList = listPlace(2400);
constexpr twips::Rect kDeathNoticeTimeValue = valuePlace(3000);
constexpr twips::Rect kFastSwitchList = listPlace(3600);
constexpr twips::Rect kSayTextTimeValue = valuePlace(3960);
constexpr twips::Rect kRadarList = listPlace(4320);
constexpr twips::Rect kNetGraphList = listPlace(4800);
constexpr twips::Rect kAutoAimList = listPlace(5280);
constexpr twips::Rect kZoomCrosshairList = listPlace(5640);
constexpr twips::Rect kShowFpsList = listPlace(6000);
constexpr twips::Rect kConnectionList = listPlace(6360);
constexpr twips::Rect kMenuList = listPlace(6720);
constexpr twips::Rect kConsoleColorPicker{kValueLeft, 7080, 1935, 1215};

struct CaptionRow {
  const char* text;  // UTF-8
  int top;
  int boxWidth;  // 0: one line sized to its text
};
const CaptionRow kCaptionRows[] = {
    {"Имя или Ник", 720, 0},
    {"Имя сервера", 1080, 0},
    // 45 twips wider than Comic Sans MS needs: in the bundled face the first
    // line is longer, and the caption would take three lines.
    {"Вывод вверхний левый угол экрана последних сообщений из консоли", 1440, 4170},
    {"Идентифицирующая надпись при  наведении на игрока", 2160, 4125},
    {"Время показа надписи о чьей-нидудь смерти (сек)", 2880, 4365},
    {"Режим быстрой смены оружия", 3600, 0},
    {"Время показа сообщения (сек)", 3960, 0},
    {"Радар", 4320, 0},
    {"NetGraph (показывает различные параметры соединения)", 4680, 3945},
    {"Автоприцел", 5400, 0},
    {"Прицел при приближении", 5760, 0},
    {"FPS в левом верхнем углу экрана ", 6120, 0},
    {"Соединение", 6480, 0},
    {"Меню", 6840, 0},
    {"Цвет текста консоли", 7200, 0},
};

}  // namespace

OtherPage::OtherPage()
    : SettingsPage({shell::MenuPage::Other, QStringLiteral("Othen Setting"), 6990, 8310, 6960, 8280,
                    QStringLiteral("Остальные настройки"), 1920, 3090}) {
  for (const CaptionRow& row : kCaptionRows) {
    captions << addCaption(QString::fromUtf8(row.text), row.top, row.boxWidth,
                           row.boxWidth > 0 ? kWrappedCaptionHeight : 0);
  }

  const QFont typed = fonts::sansSerifFont(9.75);
  auto textBox = [&](const twips::Rect& place) {
    auto* box = new widgets::OneLineBox(this, palette::kBlack, palette::kDarkBlue, typed);
    twips::place(box, place);
    return box;
  };
  nameBox = textBox(kNameBox);
  serverNameBox = textBox(kServerNameBox);
  consoleMessagesList = addList(offOn(), kConsoleMessagesList);
  centerIdList = addList({QStringLiteral("Снизу"), QStringLiteral("По центру")}, kCenterIdList);
  deathNoticeTimeValue = addValueWidget(widgets::kSeconds, kDeathNoticeTimeValue);
  fastSwitchList = addList(offOn(), kFastSwitchList);
  sayTextTimeValue = addValueWidget(widgets::kSeconds, kSayTextTimeValue);
  radarList = addList(offOn(), kRadarList);
  netGraphList = addList(offOn(), kNetGraphList);
  autoAimList = addList(offOn(), kAutoAimList);
  zoomCrosshairList = addList(offOn(), kZoomCrosshairList);
  showFpsList = addList(offOn(), kShowFpsList);
  QStringList connections;
  for (const Connection& c : kConnections) connections << QString::fromUtf8(c.item);
  connectionList = addList(connections, kConnectionList);
  menuList = addList({QStringLiteral("Текстовое"), QStringLiteral("Графическое")}, kMenuList);
  consoleColorPicker = new widgets::ColorPicker(this);
  twips::place(consoleColorPicker, kConsoleColorPicker);

  setTabChain({nameBox, serverNameBox, consoleMessagesList, centerIdList, deathNoticeTimeValue,
               fastSwitchList, sayTextTimeValue, radarList, netGraphList, autoAimList,
               zoomCrosshairList, showFpsList, connectionList, consoleColorPicker, menuList,
               doneButton});
}

void OtherPage::onLoad() {
  const std::pair<widgets::DropDownList*, int> starts[] = {
      {consoleMessagesList, 0}, {centerIdList, 1}, {fastSwitchList, 1},    {radarList, 1},
      {netGraphList, 0},        {autoAimList, 0},  {zoomCrosshairList, 1}, {showFpsList, 0},
      {connectionList, 7},      {menuList, 0},
  };
  for (const auto& [list, index] : starts) list->setCurrentIndex(index);
}

QStringList OtherPage::sectionLines() const {
  OtherChoices c;
  c.name = nameBox->text();
  c.serverName = serverNameBox->text();
  c.consoleMessages = consoleMessagesList->currentIndex();
  c.centerId = centerIdList->currentIndex();
  c.deathNoticeTime = deathNoticeTimeValue->valueText();
  c.fastSwitch = fastSwitchList->currentIndex();
  c.sayTextTime = sayTextTimeValue->valueText();
  c.radar = radarList->currentIndex();
  c.netGraph = netGraphList->currentIndex();
  c.autoAim = autoAimList->currentIndex();
  c.zoomCrosshair = zoomCrosshairList->currentIndex();
  c.showFps = showFpsList->currentIndex();
  c.connection = connectionList->currentIndex();
  c.menu = menuList->currentIndex();
  c.red = consoleColorPicker->red();
  c.green = consoleColorPicker->green();
  c.blue = consoleColorPicker->blue();
  return otherSection(c);
}

}  // namespace pages
