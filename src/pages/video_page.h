// The video settings page, VideoPage.
#pragma once

#include "pages/settings_page.h"
#include "pages/video_section.h"

namespace pages {

class VideoPage : public SettingsPage {
  Q_OBJECT

 public:
  VideoPage();

  QList<platform::Label*> Label2;  // the row captions, top to bottom
  widgets::ValueWidget *UPDW1, *UPDW2, *UPDW3, *UPDW02, *UPDW03;
  platform::ComboBox* Combo3;  // high-quality models
  platform::ComboBox* Combo4;  // dynamic light
  platform::ComboBox* Combo5;  // MMX
  platform::ComboBox* Combo6;  // smoke sprite realism
  platform::ComboBox* Combo7;  // blood
  platform::ComboBox* Combo8;  // 3DFX or NVIDIA
  platform::ComboBox* Combo1;  // second crosshair

 protected:
  void Form_Load() override;
  QStringList SectionLines() const override;
};

}  // namespace pages
