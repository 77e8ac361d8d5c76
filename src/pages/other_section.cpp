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
  using config::NumberText;
  using config::ValueLine;
  QStringList lines;
  // Typed text goes in as it stands: nothing trimmed, nothing escaped.
  if (!c.name.isEmpty()) lines << ValueLine(u"name", c.name);
  if (!c.serverName.isEmpty()) lines << ValueLine(u"hostname", c.serverName);
  lines << ValueLine(u"developer", c.consoleMessages) << ValueLine(u"scr_conspeeder", u"99999")
        << ValueLine(u"hud_capturemouse", u"1") << ValueLine(u"hud_centerid", c.centerId)
        << ValueLine(u"hud_deathnotice_time", c.deathNoticeTime)
        << ValueLine(u"hud_fastswitch", c.fastSwitch)
        << ValueLine(u"hud_saytext_time", c.sayTextTime)
        << (c.radar == 0 ? QStringLiteral("hideradar") : QStringLiteral("drawradar"))
        << ValueLine(u"net_graph", c.netGraph) << ValueLine(u"sv_aim", c.autoAim)
        << ValueLine(u"crosshair", c.zoomCrosshair) << ValueLine(u"cl_showfps", c.showFps);
  if (c.connection >= 0 && c.connection <= 7) {
    lines << ValueLine(u"rate", QString::fromLatin1(kConnections[c.connection].rate));
  }
  lines << ValueLine(u"setinfo _vgui_menus", c.menu) << ValueLine(u"setinfo vgui_menus", u"0")
        << ValueLine(u"con_color", NumberText(c.red) + QLatin1Char(' ') + NumberText(c.green) +
                                       QLatin1Char(' ') + NumberText(c.blue));
  return lines;
}

}  // namespace pages
