// The video settings page.
#pragma once

#include "pages/settings_page.h"
#include "pages/video_section.h"

namespace pages {

class VideoPage : public SettingsPage {
  Q_OBJECT

 public:
  VideoPage();

  QList<platform::Label*> rowCaptions;    // top to bottom
  widgets::ValueWidget* gammaValue;       // gamma
  widgets::ValueWidget* brightnessValue;  // brightness
  widgets::ValueWidget* texGammaValue;    // texgamma
  widgets::ValueWidget* smokePuffsValue;  // max_smokepuffs
  widgets::ValueWidget* decalsValue;      // r_decals
  platform::ComboBox* hiModelsList;       // cl_himodels
  platform::ComboBox* dynamicLightList;   // r_dynamic
  platform::ComboBox* mmxList;            // r_mmx
  platform::ComboBox* smokeRealismList;   // fastsprites
  platform::ComboBox* bloodList;          // violence_ablood and violence_hblood
  platform::ComboBox* mode3dfxList;       // gl_lightholes: 3DFX or NVIDIA
  platform::ComboBox* crosshairList;      // gl_spriteblend: second crosshair

 protected:
  void Form_Load() override;
  QStringList sectionLines() const override;
};

}  // namespace pages
