// The weapons window, WeaponsWindow: the left half of the purchase page. The player
// drags its pictures onto the key slots of the keyboard window.
#pragma once

#include <array>

#include "platform/controls.h"
#include "platform/drag_drop.h"
#include "platform/forms.h"
#include "platform/inputs.h"
#include "platform/option_button.h"
#include "platform/resources.h"

namespace purchase {

class WeaponsWindow : public platform::Form {
  Q_OBJECT

 public:
  WeaponsWindow();

  // FrameK holds the pictures of class K; Frame7 the options.
  platform::Panel *Frame1, *Frame2, *Frame3, *Frame4, *Frame5, *Frame6, *Frame7;
  platform::OptionButton *Option1, *Option2, *Option3, *Option4, *Option5, *Option6;
  platform::Label* Label1;            // the title
  platform::CommandButton* Command1;  // Done
  platform::ImageList RES;            // the drag pointers: 1 sad, 2 happy

  // PictureN, N from 1 to 30 (rows of kWeaponTable).
  platform::DragPicture* Picture(int n) const { return pictures_[std::size_t(n - 1)]; }
  platform::Panel* Frame(int weaponClass) const { return frames_[std::size_t(weaponClass - 1)]; }
  platform::OptionButton* Option(int weaponClass) const {
    return options_[std::size_t(weaponClass - 1)];
  }

 protected:
  void Form_Load() override;

 private:
  void Option_Click(int weaponClass);
  void Picture_MouseDown(int n);
  void Picture_OLEStartDrag(int n, platform::DataObject& data, int& allowedEffects);
  void Picture_OLEGiveFeedback(int effect, bool& defaultCursors);
  void Picture_OLECompleteDrag(int effect);
  void Command1_Click();

  std::array<platform::DragPicture*, 30> pictures_{};
  std::array<platform::Panel*, 6> frames_{};
  std::array<platform::OptionButton*, 6> options_{};
};

}  // namespace purchase
