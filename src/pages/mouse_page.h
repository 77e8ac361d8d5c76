// The mouse settings page, MousePage.
#pragma once

#include "pages/mouse_section.h"
#include "pages/settings_page.h"

namespace pages {

class MousePage : public SettingsPage {
  Q_OBJECT

 public:
  MousePage();

  platform::Label *Label3, *Label2, *Label4, *Label5, *Label6, *Label7, *Label8;
  widgets::ValueWidget* SEN1;  // mouse sensitivity
  widgets::ValueWidget* SEN2;  // zoomed sensitivity
  platform::ComboBox* Combo1;  // movement smoothing
  platform::ComboBox* Combo2;  // vertical reverse
  platform::ComboBox* Combo3;  // horizontal reverse
  platform::ComboBox* Combo4;  // strafe with the mouse
  platform::ComboBox* Combo5;  // mouse look

 protected:
  void Form_Load() override;
  QStringList SectionLines() const override;
};

}  // namespace pages
