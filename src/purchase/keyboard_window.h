// The keyboard window: the right half of the purchase page. A key is chosen,
// weapons are dropped on its slots, and Write adds its bind line.
#pragma once

#include <QComboBox>
#include <QTimer>
#include <array>

#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/inputs.h"
#include "platform/shapes.h"
#include "purchase/buy_binds.h"
#include "purchase/weapon_pictures.h"

namespace purchase {

class KeyboardWindow : public platform::Form {
  Q_OBJECT

 public:
  KeyboardWindow();

  platform::Shape* outline;
  platform::Label* keyCaption;  // "Key:"
  platform::ComboBox* keyList;  // the key the next line binds
  platform::CommandButton* addKeyButton;
  platform::CommandButton* writeButton;
  platform::CommandButton* doneButton;
  std::array<WeaponSlot*, kKeySlots> keySlots{};  // in slot order
  QTimer* writeButtonTimer;  // keeps Write enabled only while a line can be written
  QTimer* slotsTimer;        // keeps the slots enabled only while a key is chosen

  SlotTexts slotTexts;   // the drag text each slot shows; empty: none
  QString boundKeyName;  // the quoted key of the last drop

  // What the two timers do at each tick.
  void updateWriteButton();
  void updateSlots();

 protected:
  void Form_Load() override;

 private:
  void onWeaponDropped(int slot, const QString& dragText, const QImage& picture);
  void onSlotClicked(int slot);
  bool writeAllowed() const;
  void onWriteClicked();
  void onAddKeyClicked();
  void onDoneClicked();
};

}  // namespace purchase
