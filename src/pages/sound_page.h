// The sound settings page, SoundPage.
#pragma once

#include "pages/settings_page.h"
#include "pages/sound_section.h"

namespace pages {

class SoundPage : public SettingsPage {
  Q_OBJECT

 public:
  SoundPage();

  platform::Label *Label3, *Label5, *Label2, *Label4, *Label6, *Label7;
  widgets::ValueWidget* Volume1;  // volume
  widgets::ValueWidget* Volume2;  // CD audio volume
  platform::ComboBox* Combo1;     // high-quality sound
  platform::ComboBox* Combo2;     // 16-bit sound (Да first)
  platform::ComboBox* Combo3;     // 3-D effects
  platform::ComboBox* Combo4;     // voice messages: shown, never written

 protected:
  void Form_Load() override;
  QStringList SectionLines() const override;
};

}  // namespace pages
