#include "pages/sound_section.h"

#include "config/config_text.h"

namespace pages {

QStringList soundSection(const SoundChoices& c) {
  using config::ValueLine;
  const QString effects = c.effects3d == 0 ? QStringLiteral("0") : QStringLiteral("1");
  return {
      ValueLine(u"volume", c.volume),         ValueLine(u"hisound", c.hiSound),
      ValueLine(u"loadas8bit", c.load8bit),   ValueLine(u"bgmvolume", c.cdVolume),
      ValueLine(u"s_a3d", effects),           ValueLine(u"s_eax", effects),
      ValueLine(u"s_geometry", effects),      ValueLine(u"s_distance", u"60"),
      ValueLine(u"_snd_mixahead", u"0.1"),    ValueLine(u"s_distance", u"60"),
      ValueLine(u"s_automin_distance", u"2"), ValueLine(u"s_automax_distance", u"30"),
      ValueLine(u"s_min_distance", u"8"),     ValueLine(u"s_max_distance", u"1000"),
  };
}

}  // namespace pages
