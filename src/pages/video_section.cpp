#include "pages/video_section.h"

#include "config/config_text.h"

namespace pages {

QStringList videoSection(const VideoChoices& c) {
  using config::valueLine;
  return {
      valueLine(u"gamma", c.gamma),
      valueLine(u"brightness", c.brightness),
      valueLine(u"texgamma", c.texGamma),
      valueLine(u"max_smokepuffs", c.smokePuffs),
      valueLine(u"r_decals", c.decals),
      valueLine(u"gl_spriteblend", c.crosshair),
      valueLine(u"cl_himodels", c.hiModels),
      valueLine(u"r_dynamic", c.dynamicLight),
      valueLine(u"r_mmx", c.mmx),
      valueLine(u"fastsprites", c.smokeRealism),
      valueLine(u"violence_ablood", c.blood),
      valueLine(u"violence_hblood", c.blood),
      valueLine(u"gl_lightholes", c.mode3dfx),
      valueLine(u"max_shells", u"0"),
      valueLine(u"fps_max", u"99"),
      valueLine(u"violence_hgibs", u"1"),
      valueLine(u"violence_agibs", u"1"),
      valueLine(u"sv_maxspeed", u"320"),
      valueLine(u"viewsize", u"120"),
      valueLine(u"gl_round_down", u"3"),
      valueLine(u"gl_max_size", u"256"),
      valueLine(u"gl_flipmatrix", u"0"),
      valueLine(u"mp_decals", u"256"),
      valueLine(u"gl_monolights", u"0"),
  };
}

}  // namespace pages
