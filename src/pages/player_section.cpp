#include "pages/player_section.h"

#include "config/config_text.h"

namespace pages {

QStringList playerSection(const PlayerChoices& c) {
  using config::valueLine;
  return {
      valueLine(u"cl_bob", c.bob == 0 ? QStringLiteral("0") : QStringLiteral("0.01")),
      valueLine(u"cl_bobup", u"0.5"),
      valueLine(u"cl_bobcycle", u"0.8"),
      valueLine(u"cl_forwardspeed", c.forwardSpeed),
      valueLine(u"cl_backspeed", c.backSpeed),
      valueLine(u"cl_sidespeed", c.sideSpeed),
      valueLine(u"cl_righthand", c.rightHand),
      valueLine(u"cl_observercrosshair", c.observerCrosshair),
  };
}

}  // namespace pages
