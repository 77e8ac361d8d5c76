#include "pages/other_section.h"

#include "config/config_text.h"

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

QStringList otherSection(const OtherChoices& c) {
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

}  // namespace pages
