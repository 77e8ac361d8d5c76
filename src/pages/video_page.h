// The video settings page.
#pragma once

#include "pages/settings_page.h"
#include "pages/video_section.h"

namespace pages {

class VideoPage : public SettingsPage {
  Q_OBJECT

 public:
  VideoPage();

  QList<widgets::Caption*> rowCaptions;     // top to bottom
  widgets::ValueWidget* gammaValue;         // gamma
  widgets::ValueWidget* brightnessValue;    // brightness
  widgets::ValueWidget* texGammaValue;      // texgamma
  widgets::ValueWidget* smokePuffsValue;    // max_smokepuffs
  widgets::ValueWidget* decalsValue;        // r_decals
  widgets::DropDownList* hiModelsList;      // cl_himodels
  widgets::DropDownList* dynamicLightList;  // r_dynamic
  widgets::DropDownList* mmxList;           // r_mmx
  widgets::DropDownList* smokeRealismList;  // fastsprites
  widgets::DropDownList* bloodList;         // violence_ablood and violence_hblood
  widgets::DropDownList* mode3dfxList;      // gl_lightholes: 3DFX or NVIDIA
  widgets::DropDownList* crosshairList;     // gl_spriteblend: second crosshair

 protected:
  void onLoad() override;
  QStringList sectionLines() const override;
};

}  // namespace pages
