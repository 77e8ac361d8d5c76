// The mouse settings page, MousePage.
#pragma once

#include "pages/settings_page.h"

namespace pages {

struct MouseChoices {
  QString sensitivity = QStringLiteral("0");      // T of SEN1, as text
  QString zoomSensitivity = QStringLiteral("0");  // T of SEN2, as text
  int filter = 1;                                 // Combo1: smoothing
  int pitchReverse = 1;                           // Combo2
  int yawReverse = 0;                             // Combo3
  int lookStrafe = 0;                             // Combo4
  int mouseLook = 1;                              // Combo5
};

// The lines after the header "// [ Mouse Setting ] ".
QStringList MouseSection(const MouseChoices& choices);

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
