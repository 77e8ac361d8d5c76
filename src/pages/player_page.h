// The player settings page, PlayerPage.
#pragma once

#include "pages/player_section.h"
#include "pages/settings_page.h"

namespace pages {

class PlayerPage : public SettingsPage {
  Q_OBJECT

 public:
  PlayerPage();

  platform::Label *Label4, *Label8, *Label5, *Label3, *Label2, *Label6;
  platform::ComboBox* Combo1;    // weapon bobbing
  platform::ComboBox* Combo3;    // weapon hand (stands above Combo2)
  platform::ComboBox* Combo2;    // observer crosshair
  widgets::ValueWidget* SPEED1;  // backward
  widgets::ValueWidget* SPEED2;  // forward
  widgets::ValueWidget* SPEED3;  // sideways

 protected:
  void Form_Load() override;
  QStringList SectionLines() const override;
};

}  // namespace pages
