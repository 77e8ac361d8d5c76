#include "pages/sound_section.h"

#include "config/config_text.h"

namespace pages {

QStringList soundSection(const SoundChoices& c) {
  using config::valueLine;
  const QString effects = c.effects3d == 0 ? QStringLiteral("0") : QStringLiteral("1");
  return {
      valueLine(u"volume", c.volume),         valueLine(u"hisound", c.hiSound),
      valueLine(u"loadas8bit", c.load8bit),   valueLine(u"bgmvolume", c.cdVolume),
      valueLine(u"s_a3d", effects),           valueLine(u"s_eax", effects),
      valueLine(u"s_geometry", effects),      valueLine(u"s_distance", u"60"),
      valueLine(u"_snd_mixahead", u"0.1"),    valueLine(u"s_distance", u"60"),
      valueLine(u"s_automin_distance", u"2"), valueLine(u"s_automax_distance", u"30"),
      valueLine(u"s_min_distance", u"8"),     valueLine(u"s_max_distance", u"1000"),
  };
}

}  // namespace pages
