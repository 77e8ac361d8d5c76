// The video settings page, VideoPage.
#pragma once

#include "pages/settings_page.h"

namespace pages {

struct VideoChoices {
  QString gamma = QStringLiteral("1");       // T of UPDW1
  QString brightness = QStringLiteral("1");  // T of UPDW2
  QString texGamma = QStringLiteral("1");    // T of UPDW3
  QString smokePuffs = QStringLiteral("0");  // T of UPDW02
  QString decals = QStringLiteral("0");      // T of UPDW03
  int crosshair = 0;                         // Combo1
  int hiModels = 1;                          // Combo3
  int dynamicLight = 1;                      // Combo4
  int mmx = 1;                               // Combo5
  int smokeRealism = 0;                      // Combo6
  int blood = 1;                             // Combo7
  int mode3dfx = 1;                          // Combo8
};

// The lines after the header "// [ Video Setting ] ".
QStringList VideoSection(const VideoChoices& choices);

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
