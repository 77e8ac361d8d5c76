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

class ControlsPage : public platform::Form {
  Q_OBJECT

 public:
  ControlsPage();
  ~ControlsPage() override;

  platform::Shape* outline;
  platform::CommandButton* doneButton;
  platform::Label* actionHeader;     // "Action"
  platform::Label* keyHeader;        // "Key"
  platform::Label* alternateHeader;  // "Altenate"
  platform::PictureBox* viewport;
  platform::PictureBox* rowPanel;  // carries every row; scrolled inside the viewport
  QScrollBar* scrollBar;
  std::array<platform::Panel*, 6> groupFrames;  // by kActionGroups
  std::array<platform::Label*, kActionCount> actionCaptions;
  std::array<KeyCaptureBox*, kBoxCount> keyBoxes;
  std::array<DoubleClickTarget*, kBoxCount> armTargets;  // under each box: arms it

 protected:
  void Form_Load() override;
  void Form_Unload() override;

 private:
  void scrollPanel();
  void armBox(int box);
  void captureKey(int box, int keyCode);
  void captureMouseButton(int box, Qt::MouseButton button);
  void onBoxTextChanged(int box);
  void endCapture(int box);
  void disarmBox(int box);
  void onDoneClicked();
};

}  // namespace bindings
