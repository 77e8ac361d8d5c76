// The player settings page.
#pragma once

#include "pages/player_section.h"
#include "pages/settings_page.h"

namespace pages {

class PlayerPage : public SettingsPage {
  Q_OBJECT

 public:
  PlayerPage();

  widgets::Caption *bobCaption, *rightHandCaption, *observerCrosshairCaption, *backSpeedCaption,
      *forwardSpeedCaption, *sideSpeedCaption;
  widgets::DropDownList* bobList;                // cl_bob: weapon bobbing
  widgets::DropDownList* rightHandList;          // cl_righthand
  widgets::DropDownList* observerCrosshairList;  // cl_observercrosshair
  widgets::ValueWidget* backSpeedValue;          // cl_backspeed
  widgets::ValueWidget* forwardSpeedValue;       // cl_forwardspeed
  widgets::ValueWidget* sideSpeedValue;          // cl_sidespeed

 protected:
  void onLoad() override;
  QStringList sectionLines() const override;
};

}  // namespace pages
