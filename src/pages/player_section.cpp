#include "pages/player_section.h"

#include "config/config_text.h"

namespace pages {

QStringList playerSection(const PlayerChoices& c) {
  using config::ValueLine;
  return {
      ValueLine(u"cl_bob", c.bob == 0 ? QStringLiteral("0") : QStringLiteral("0.01")),
      ValueLine(u"cl_bobup", u"0.5"),
      ValueLine(u"cl_bobcycle", u"0.8"),
      ValueLine(u"cl_forwardspeed", c.forwardSpeed),
      ValueLine(u"cl_backspeed", c.backSpeed),
      ValueLine(u"cl_sidespeed", c.sideSpeed),
      ValueLine(u"cl_righthand", c.rightHand),
      ValueLine(u"cl_observercrosshair", c.observerCrosshair),
  };
}

}  // namespace pages
