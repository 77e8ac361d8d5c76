// The weapons window: the left half of the purchase page. The player drags its
// pictures onto the key slots of the keyboard window.
#pragma once

#include <QPixmap>
#include <QRadioButton>
#include <array>

#include "platform/forms.h"
#include "purchase/weapon_pictures.h"
#include "widgets/caption.h"
#include "widgets/colored_button.h"
#include "widgets/panel.h"

namespace purchase {

class WeaponsWindow : public platform::AppWindow {
  Q_OBJECT

 public:
  WeaponsWindow();

  widgets::Panel* optionsPanel;  // the class options
  widgets::Caption* titleCaption;
  widgets::ColoredButton* doneButton;

  // n from 1 to 30: the rows of kWeaponTable.
  WeaponPicture* weaponPicture(int n) const { return weaponPictures_[std::size_t(n - 1)]; }
  // A class from 1 to 6: its frame holds the class's pictures, its option shows the frame.
  widgets::Panel* classFrame(int weaponClass) const {
    return classFrames_[std::size_t(weaponClass - 1)];
  }
  QRadioButton* classOption(int weaponClass) const {
    return classOptions_[std::size_t(weaponClass - 1)];
  }
  // The pointer a drag shows: happy where the weapon may move, sad elsewhere.
  const QPixmap& dragPointer(Qt::DropAction action) const {
    return action == Qt::MoveAction || action == Qt::TargetMoveAction ? happyPointer_ : sadPointer_;
  }

 protected:
  void onLoad() override;

 private:
  void onClassChosen(int weaponClass);
  void onWeaponPressed(int n);
  void onDoneClicked();

  std::array<WeaponPicture*, 30> weaponPictures_{};
  std::array<widgets::Panel*, 6> classFrames_{};
  std::array<QRadioButton*, 6> classOptions_{};
  QPixmap sadPointer_, happyPointer_;
};

}  // namespace purchase
