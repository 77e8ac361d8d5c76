#include "pages/mouse_section.h"

#include "config/config_text.h"

namespace pages {
namespace {

QString reversedText(int index) {
  return index == 0 ? QStringLiteral("0.022") : QStringLiteral("-0.022");
}

}  // namespace

QStringList mouseSection(const MouseChoices& c) {
  using config::ValueLine;
  return {
      ValueLine(u"sensitivity", c.sensitivity),
      ValueLine(u"zoom_sensitivity_ratio", c.zoomSensitivity),
      ValueLine(u"m_filter", c.filter),
      ValueLine(u"m_pitch", reversedText(c.pitchReverse)),
      ValueLine(u"m_yaw", reversedText(c.yawReverse)),
      ValueLine(u"lookstrafe", c.lookStrafe),
      c.mouseLook == 0 ? QStringLiteral("-mlook") : QStringLiteral("+mlook"),
      ValueLine(u"m_forward", u"1"),
      ValueLine(u"m_side", u"0.8"),
      ValueLine(u"lookspring", u"0"),
      ValueLine(u"default_fov", u"110"),
  };
}

}  // namespace pages
