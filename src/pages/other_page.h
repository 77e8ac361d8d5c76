// The other-settings page, OtherPage.
#pragma once

#include "pages/settings_page.h"
#include "widgets/color_picker.h"

namespace pages {

struct OtherChoices {
  QString name;                                   // Text1, as typed
  QString serverName;                             // Text2, as typed
  int consoleMessages = 0;                        // Combo1
  int centerId = 1;                               // Combo2
  QString deathNoticeTime = QStringLiteral("0");  // T of senn1
  int fastSwitch = 1;                             // Combo3
  QString sayTextTime = QStringLiteral("0");      // T of SENN2
  int radar = 1;                                  // Combo4
  int netGraph = 0;                               // Combo5
  int autoAim = 0;                                // Combo6
  int zoomCrosshair = 1;                          // Combo7
  int showFps = 0;                                // Combo8
  int connection = 7;                             // Combo9
  int menu = 0;                                   // Combo10
  int red = 235, green = 235, blue = 235;         // COLOR1
};

// The connection types of "Соединение" and the rate each writes.
struct Connection {
  const char* item;  // UTF-8
  const char* rate;
};
extern const Connection kConnections[8];

// The lines after the header "// [ Othen Setting ] ".
QStringList OtherSection(const OtherChoices& choices);

class OtherPage : public SettingsPage {
  Q_OBJECT

 public:
  OtherPage();

  QList<platform::Label*> Captions;  // Label3, Label2, Label4 ... Label15, top to bottom
  platform::TextBox* Text1;          // name or nickname
  platform::TextBox* Text2;          // server name
  platform::ComboBox *Combo1, *Combo2, *Combo3, *Combo4, *Combo5, *Combo6, *Combo7, *Combo8,
      *Combo9, *Combo10;
  widgets::ValueWidget* senn1;   // death notice time
  widgets::ValueWidget* SENN2;   // message time
  widgets::ColorPicker* COLOR1;  // console text colour

 protected:
  void Form_Load() override;
  QStringList SectionLines() const override;
};

}  // namespace pages
