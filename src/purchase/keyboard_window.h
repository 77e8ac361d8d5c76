// The keyboard window, KeyboardWindow: the right half of the purchase page. A key is
// chosen, weapons are dropped on its slots, and Write adds its bind line.
#pragma once

#include <array>

#include "platform/controls.h"
#include "platform/drag_drop.h"
#include "platform/forms.h"
#include "platform/inputs.h"
#include "platform/shapes.h"
#include "platform/timer.h"
#include "purchase/buy_binds.h"

namespace purchase {

class KeyboardWindow : public platform::Form {
  Q_OBJECT

 public:
  KeyboardWindow();

  platform::Shape* Shape1;
  platform::Label* Label1;                              // "Key:"
  platform::ComboBox* List;                             // the key the next line binds
  platform::CommandButton* Command3;                    // Add
  platform::CommandButton* Command1;                    // Write
  platform::CommandButton* Command2;                    // Done
  std::array<platform::DropPicture*, kKeySlots> Key{};  // the KeySlots, in slot order
  platform::Timer* Timer1;                              // enables Write
  platform::Timer* Timer2;                              // enables the slots

  SlotTexts slotTexts;   // the drag text each slot shows; empty: none
  QString BoundKeyName;  // the quoted key of the last drop

 protected:
  void Form_Load() override;

 private:
  void Key_OLEDragOver(int index, const platform::DataObject& data, int& effect);
  void Key_OLEDragDrop(int index, const platform::DataObject& data, int& effect);
  void Key_Click(int index);
  bool WriteAllowed() const;
  void Timer1_Timer();
  void Timer2_Timer();
  void Command1_Click();
  void Command3_Click();
  void Command2_Click();
};

}  // namespace purchase
