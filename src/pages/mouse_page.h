// The mouse settings page.
#pragma once

#include "pages/mouse_section.h"
#include "pages/settings_page.h"

namespace pages {

class MousePage : public SettingsPage {
  Q_OBJECT

 public:
  MousePage();

  widgets::Caption *sensitivityCaption, *zoomSensitivityCaption, *filterCaption,
      *pitchReverseCaption, *yawReverseCaption, *lookStrafeCaption, *mouseLookCaption;
  widgets::ValueWidget* sensitivityValue;      // sensitivity
  widgets::ValueWidget* zoomSensitivityValue;  // zoom_sensitivity_ratio
  widgets::DropDownList* filterList;           // m_filter: smoothing
  widgets::DropDownList* pitchReverseList;     // m_pitch
  widgets::DropDownList* yawReverseList;       // m_yaw
  widgets::DropDownList* lookStrafeList;       // lookstrafe
  widgets::DropDownList* mouseLookList;        // +mlook or -mlook

 protected:
  void onLoad() override;
  QStringList sectionLines() const override;
};

}  // namespace pages
