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

  QList<widgets::Caption*> captions;           // top to bottom
  widgets::OneLineBox* nameBox;                // name
  widgets::OneLineBox* serverNameBox;          // hostname
  widgets::DropDownList* consoleMessagesList;  // developer
  widgets::DropDownList* centerIdList;         // hud_centerid
  widgets::ValueWidget* deathNoticeTimeValue;  // hud_deathnotice_time
  widgets::DropDownList* fastSwitchList;       // hud_fastswitch
  widgets::ValueWidget* sayTextTimeValue;      // hud_saytext_time
  widgets::DropDownList* radarList;            // drawradar or hideradar
  widgets::DropDownList* netGraphList;         // net_graph
  widgets::DropDownList* autoAimList;          // sv_aim
  widgets::DropDownList* zoomCrosshairList;    // crosshair
  widgets::DropDownList* showFpsList;          // cl_showfps
  widgets::DropDownList* connectionList;       // rate
  widgets::DropDownList* menuList;             // setinfo _vgui_menus
  widgets::ColorPicker* consoleColorPicker;    // con_color

 protected:
  void onLoad() override;
  QStringList sectionLines() const override;
};

}  // namespace pages
