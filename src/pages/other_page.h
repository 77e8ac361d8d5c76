// The other-settings page, OtherPage.
#pragma once

#include "pages/other_section.h"
#include "pages/settings_page.h"
#include "widgets/color_picker.h"

namespace pages {

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
