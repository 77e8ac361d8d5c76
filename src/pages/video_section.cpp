#include "pages/video_section.h"

#include "config/config_text.h"

namespace pages {

QStringList videoSection(const VideoChoices& c) {
  using config::ValueLine;
  return {
      ValueLine(u"gamma", c.gamma),
      ValueLine(u"brightness", c.brightness),
      ValueLine(u"texgamma", c.texGamma),
      ValueLine(u"max_smokepuffs", c.smokePuffs),
      ValueLine(u"r_decals", c.decals),
      ValueLine(u"gl_spriteblend", c.crosshair),
      ValueLine(u"cl_himodels", c.hiModels),
      ValueLine(u"r_dynamic", c.dynamicLight),
      ValueLine(u"r_mmx", c.mmx),
      ValueLine(u"fastsprites", c.smokeRealism),
      ValueLine(u"violence_ablood", c.blood),
      ValueLine(u"violence_hblood", c.blood),
      ValueLine(u"gl_lightholes", c.mode3dfx),
      ValueLine(u"max_shells", u"0"),
      ValueLine(u"fps_max", u"99"),
      ValueLine(u"violence_hgibs", u"1"),
      ValueLine(u"violence_agibs", u"1"),
      ValueLine(u"sv_maxspeed", u"320"),
      ValueLine(u"viewsize", u"120"),
      ValueLine(u"gl_round_down", u"3"),
      ValueLine(u"gl_max_size", u"256"),
      ValueLine(u"gl_flipmatrix", u"0"),
      ValueLine(u"mp_decals", u"256"),
      ValueLine(u"gl_monolights", u"0"),
  };
}

}  // namespace pages
