// The sound settings page.
#pragma once

#include "pages/settings_page.h"
#include "pages/sound_section.h"

namespace pages {

class SoundPage : public SettingsPage {
  Q_OBJECT

 public:
  SoundPage();

  widgets::Caption *volumeCaption, *cdVolumeCaption, *hiSoundCaption, *load8bitCaption,
      *effects3dCaption, *voiceMessagesCaption;
  widgets::ValueWidget* volumeValue;         // volume
  widgets::ValueWidget* cdVolumeValue;       // bgmvolume: CD audio
  widgets::DropDownList* hiSoundList;        // hisound
  widgets::DropDownList* load8bitList;       // loadas8bit: 16-bit sound, "Да" first
  widgets::DropDownList* effects3dList;      // s_a3d, s_eax, s_geometry
  widgets::DropDownList* voiceMessagesList;  // shown, never written

 protected:
  void onLoad() override;
  QStringList sectionLines() const override;
};

}  // namespace pages
