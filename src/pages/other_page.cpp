#include "pages/other_page.h"

#include "config/config_text.h"
#include "platform/units.h"

namespace pages {

const Connection kConnections[8] = {
    {"Нет", "0"},
    {"14,4 kb modem", "1500"},
    {"28.4 kb modem", "2500"},
    {"33.6 kb modem", "3400"},
    {"56 kb modem", "4200"},
    {"ISDN", "5000"},
    {"Кабельное соед.", "6000"},
    {"LAN", "20000"},
};

QStringList OtherSection(const OtherChoices& c) {
  using config::numberText;
  using config::valueLine;
  QStringList lines;
  // Typed text goes in as it stands: nothing trimmed, nothing escaped.
  if (!c.name.isEmpty()) lines << valueLine(u"name", c.name);
  if (!c.serverName.isEmpty()) lines << valueLine(u"hostname", c.serverName);
  lines << valueLine(u"developer", c.consoleMessages) << valueLine(u"scr_conspeeder", u"99999")
        << valueLine(u"hud_capturemouse", u"1") << valueLine(u"hud_centerid", c.centerId)
        << valueLine(u"hud_deathnotice_time", c.deathNoticeTime)
        << valueLine(u"hud_fastswitch", c.fastSwitch)
        << valueLine(u"hud_saytext_time", c.sayTextTime)
        << (c.radar == 0 ? QStringLiteral("hideradar") : QStringLiteral("drawradar"))
        << valueLine(u"net_graph", c.netGraph) << valueLine(u"sv_aim", c.autoAim)
        << valueLine(u"crosshair", c.zoomCrosshair) << valueLine(u"cl_showfps", c.showFps);
  if (c.connection >= 0 && c.connection <= 7) {
    lines << valueLine(u"rate", QString::fromLatin1(kConnections[c.connection].rate));
  }
  lines << valueLine(u"setinfo _vgui_menus", c.menu) << valueLine(u"setinfo vgui_menus", u"0")
        << valueLine(u"con_color", numberText(c.red) + QLatin1Char(' ') + numberText(c.green) +
                                       QLatin1Char(' ') + numberText(c.blue));
  return lines;
}

namespace {
constexpr int kValueLeft = 4920;
}

OtherPage::OtherPage()
    : SettingsPage({shell::MenuPage::Other, QStringLiteral("Othen Setting"), 6990, 8310, 6960, 8280,
                    QStringLiteral("Остальные настройки"), 1920, 3090, 4920}) {
  struct Row {
    const char* caption;
    int top;
    int boxWidth;  // 0: one line sized to its text
  };
  const Row rows[] = {
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
  for (const Row& row : rows) {
    Captions << AddCaption(QString::fromUtf8(row.caption), row.top, row.boxWidth,
                           row.boxWidth > 0 ? 705 : 0);
  }

  const QFont typed = platform::MakeFont(QStringLiteral("MS Sans Serif"), 9.75);
  auto textBox = [&](int top) {
    auto* box = new platform::TextBox(this, 0x00000000, 0x00C00000, typed);
    platform::PlaceTwips(box, kValueLeft, top, 1935, 375);
    return box;
  };
  auto list = [this](const QStringList& items, int top) {
    return AddList(items, kValueLeft, top, 1215, 360);
  };
  Text1 = textBox(720);
  Text2 = textBox(1080);
  Combo1 = list(OffOn(), 1560);
  Combo2 = list({QStringLiteral("Снизу"), QStringLiteral("По центру")}, 2400);
  senn1 = AddWidget(widgets::SENN, kValueLeft, 3000, 1335, 375);
  Combo3 = list(OffOn(), 3600);
  SENN2 = AddWidget(widgets::SENN, kValueLeft, 3960, 1335, 375);
  Combo4 = list(OffOn(), 4320);
  Combo5 = list(OffOn(), 4800);
  Combo6 = list(OffOn(), 5280);
  Combo7 = list(OffOn(), 5640);
  Combo8 = list(OffOn(), 6000);
  QStringList connections;
  for (const Connection& c : kConnections) connections << QString::fromUtf8(c.item);
  Combo9 = list(connections, 6360);
  Combo10 = list({QStringLiteral("Текстовое"), QStringLiteral("Графическое")}, 6720);
  COLOR1 = new widgets::ColorPicker(this);
  platform::PlaceTwips(COLOR1, kValueLeft, 7080, 1935, 1215);

  SetTabOrder({Text1, Text2, Combo1, Combo2, senn1, Combo3, SENN2, Combo4, Combo5, Combo6, Combo7,
               Combo8, Combo9, COLOR1, Combo10, Command2});
}

void OtherPage::Form_Load() {
  const int starts[] = {0, 1, 1, 1, 0, 0, 1, 0, 7, 0};
  platform::ComboBox* lists[] = {Combo1, Combo2, Combo3, Combo4, Combo5,
                                 Combo6, Combo7, Combo8, Combo9, Combo10};
  for (int i = 0; i < 10; ++i) lists[i]->SetListIndex(starts[i]);
}

QStringList OtherPage::SectionLines() const {
  OtherChoices c;
  c.name = Text1->Text();
  c.serverName = Text2->Text();
  c.consoleMessages = Combo1->ListIndex();
  c.centerId = Combo2->ListIndex();
  c.deathNoticeTime = senn1->TText();
  c.fastSwitch = Combo3->ListIndex();
  c.sayTextTime = SENN2->TText();
  c.radar = Combo4->ListIndex();
  c.netGraph = Combo5->ListIndex();
  c.autoAim = Combo6->ListIndex();
  c.zoomCrosshair = Combo7->ListIndex();
  c.showFps = Combo8->ListIndex();
  c.connection = Combo9->ListIndex();
  c.menu = Combo10->ListIndex();
  c.red = COLOR1->R();
  c.green = COLOR1->G();
  c.blue = COLOR1->B();
  return OtherSection(c);
}

}  // namespace pages
