// The controls page, ControlsPage: every action with a primary and an alternate key
// box on a tall panel that the scroll bar moves inside a fixed viewport.
#pragma once

#include <QScrollBar>
#include <array>

#include "bindings/bind_actions.h"
#include "bindings/double_click_target.h"
#include "bindings/key_capture_box.h"
#include "platform/forms.h"
#include "widgets/caption.h"
#include "widgets/colored_button.h"
#include "widgets/outline.h"
#include "widgets/panel.h"
#include "widgets/picture_box.h"

namespace bindings {

class ControlsPage : public platform::AppWindow {
  Q_OBJECT

 public:
  ControlsPage();
  ~ControlsPage() override;

  widgets::Outline* outline;
  widgets::ColoredButton* doneButton;
  widgets::Caption* actionHeader;     // "Action"
  widgets::Caption* keyHeader;        // "Key"
  widgets::Caption* alternateHeader;  // "Altenate"
  widgets::PictureBox* viewport;
  widgets::PictureBox* rowPanel;  // carries every row; scrolled inside the viewport
  QScrollBar* scrollBar;
  std::array<widgets::Panel*, 6> groupFrames;  // by kActionGroups
  std::array<widgets::Caption*, kActionCount> actionCaptions;
  std::array<KeyCaptureBox*, kBoxCount> keyBoxes;
  std::array<DoubleClickTarget*, kBoxCount> armTargets;  // under each box: arms it

 protected:
  void onLoad() override;
  void onUnload() override;

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
