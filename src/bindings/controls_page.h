// The controls page, ControlsPage: every action with a primary and an alternate key
// box on a tall panel that the scroll bar moves inside a fixed viewport.
#pragma once

#include <QScrollBar>
#include <array>

#include "bindings/bind_actions.h"
#include "bindings/double_click_target.h"
#include "bindings/key_capture_box.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/inputs.h"
#include "platform/shapes.h"

namespace bindings {

// Key box backgrounds.
constexpr std::uint32_t kIdleBack = 0x00FFC0C0;   // light lavender
constexpr std::uint32_t kArmedBack = 0x0080C0FF;  // light orange

class ControlsPage : public platform::Form {
  Q_OBJECT

 public:
  ControlsPage();
  ~ControlsPage() override;

  platform::Shape* Shape1;
  platform::CommandButton* Command2;  // Done
  platform::Label* Label10;           // "Action"
  platform::Label* Label2;            // "Key"
  platform::Label* Label3;            // "Altenate"
  platform::PictureBox* Picture1;     // the viewport
  platform::PictureBox* img;          // the panel that carries every row
  QScrollBar* V;
  platform::Panel *Frame1, *Frame2, *Frame3, *Frame4, *Frame5, *Frame6;
  std::array<platform::Label*, kActionCount> KeyLab;
  std::array<KeyCaptureBox*, kBoxCount> Text1;       // the key boxes
  std::array<DoubleClickTarget*, kBoxCount> Label1;  // under each box: arms it

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  void V_Change();
  void Label1_DblClick(int index);
  void Text1_KeyDown(int index, int keyCode);
  void Text1_MouseDown(int index, Qt::MouseButton button);
  void Text1_Change(int index);
  void Text1_KeyUp(int index);
  void Text1_LostFocus(int index);
  void Command2_Click();
};

}  // namespace bindings
