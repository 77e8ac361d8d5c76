// The keyboard window: the right half of the purchase page. A key is chosen,
// weapons are dropped on its slots, and Write adds its bind line.
#pragma once

#include <QComboBox>
#include <QTimer>
#include <array>

#include "platform/forms.h"
#include "purchase/buy_binds.h"
#include "purchase/weapon_pictures.h"
#include "widgets/caption.h"
#include "widgets/colored_button.h"
#include "widgets/drop_down_list.h"
#include "widgets/outline.h"

namespace purchase {

class KeyboardWindow : public platform::AppWindow {
  Q_OBJECT

 public:
  KeyboardWindow();

  widgets::Outline* outline;
  widgets::Caption* keyCaption;    // "Key:"
  widgets::DropDownList* keyList;  // the key the next line binds
  widgets::ColoredButton* addKeyButton;
  widgets::ColoredButton* writeButton;
  widgets::ColoredButton* doneButton;
  std::array<WeaponSlot*, kKeySlots> keySlots{};  // in slot order
  QTimer* writeButtonTimer;  // keeps Write enabled only while a line can be written
  QTimer* slotsTimer;        // keeps the slots enabled only while a key is chosen

  SlotTexts slotTexts;   // the drag text each slot shows; empty: none
  QString boundKeyName;  // the quoted key of the last drop

  // What the two timers do at each tick.
  void updateWriteButton();
  void updateSlots();

 protected:
  void onLoad() override;

 private:
  void onWeaponDropped(int slot, const QString& dragText, const QImage& picture);
  void onSlotClicked(int slot);
  bool writeAllowed() const;
  void onWriteClicked();
  void onAddKeyClicked();
  void onDoneClicked();
};

}  // namespace purchase
