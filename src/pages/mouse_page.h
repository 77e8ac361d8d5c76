// The mouse settings page.
#pragma once

#include "pages/mouse_section.h"
#include "pages/settings_page.h"

namespace pages {

class MousePage : public SettingsPage {
  Q_OBJECT

 public:
  MousePage();

  platform::Label *sensitivityCaption, *zoomSensitivityCaption, *filterCaption,
      *pitchReverseCaption, *yawReverseCaption, *lookStrafeCaption, *mouseLookCaption;
  widgets::ValueWidget* sensitivityValue;      // sensitivity
  widgets::ValueWidget* zoomSensitivityValue;  // zoom_sensitivity_ratio
  platform::ComboBox* filterList;              // m_filter: smoothing
  platform::ComboBox* pitchReverseList;        // m_pitch
  platform::ComboBox* yawReverseList;          // m_yaw
  platform::ComboBox* lookStrafeList;          // lookstrafe
  platform::ComboBox* mouseLookList;           // +mlook or -mlook

 protected:
  void Form_Load() override;
  QStringList sectionLines() const override;
};

}  // namespace pages
