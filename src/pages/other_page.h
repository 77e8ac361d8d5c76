// The page of the other settings: names, the heads-up display, the
// connection, the menus and the console colour.
#pragma once

#include "pages/other_section.h"
#include "pages/settings_page.h"
#include "widgets/color_picker.h"

namespace pages {

class OtherPage : public SettingsPage {
  Q_OBJECT

 public:
  OtherPage();

  QList<platform::Label*> captions;            // top to bottom
  platform::TextBox* nameBox;                  // name
  platform::TextBox* serverNameBox;            // hostname
  platform::ComboBox* consoleMessagesList;     // developer
  platform::ComboBox* centerIdList;            // hud_centerid
  widgets::ValueWidget* deathNoticeTimeValue;  // hud_deathnotice_time
  platform::ComboBox* fastSwitchList;          // hud_fastswitch
  widgets::ValueWidget* sayTextTimeValue;      // hud_saytext_time
  platform::ComboBox* radarList;               // drawradar or hideradar
  platform::ComboBox* netGraphList;            // net_graph
  platform::ComboBox* autoAimList;             // sv_aim
  platform::ComboBox* zoomCrosshairList;       // crosshair
  platform::ComboBox* showFpsList;             // cl_showfps
  platform::ComboBox* connectionList;          // rate
  platform::ComboBox* menuList;                // setinfo _vgui_menus
  widgets::ColorPicker* consoleColorPicker;    // con_color

 protected:
  void Form_Load() override;
  QStringList sectionLines() const override;
};

}  // namespace pages
