#include "pages/mouse_section.h"

#include "config/config_text.h"

namespace pages {
namespace {

QString reversedText(int index) {
  return index == 0 ? QStringLiteral("0.022") : QStringLiteral("-0.022");
}

}  // namespace

QStringList mouseSection(const MouseChoices& c) {
  using config::valueLine;
  return {
      valueLine(u"sensitivity", c.sensitivity),
      valueLine(u"zoom_sensitivity_ratio", c.zoomSensitivity),
      valueLine(u"m_filter", c.filter),
      valueLine(u"m_pitch", reversedText(c.pitchReverse)),
      valueLine(u"m_yaw", reversedText(c.yawReverse)),
      valueLine(u"lookstrafe", c.lookStrafe),
      c.mouseLook == 0 ? QStringLiteral("-mlook") : QStringLiteral("+mlook"),
      valueLine(u"m_forward", u"1"),
      valueLine(u"m_side", u"0.8"),
      valueLine(u"lookspring", u"0"),
      valueLine(u"default_fov", u"110"),
  };
}

}  // namespace pages
