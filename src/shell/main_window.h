// The main window: the menu of pages, Save, and the credit box.
#pragma once

#include <QPushButton>
#include <QTimer>
#include <cstdint>

#include "platform/forms.h"
#include "shell/fire.h"
#include "shell/page_protocol.h"
#include "shell/random.h"
#include "widgets/caption.h"
#include "widgets/panel.h"
#include "widgets/picture_box.h"

namespace shell {

class MainWindow : public platform::AppWindow {
  Q_OBJECT

 public:
  MainWindow();

  // False while a page is open: no menu label reacts, the window cannot be closed.
  bool isInUse() const { return inUse_; }
  void setInUse(bool inUse) { inUse_ = inUse; }

  widgets::Panel* menuPanel;
  widgets::Caption* titleCaption;  // "Настройки:"
  widgets::Caption* videoLabel;
  widgets::Caption* soundLabel;
  widgets::Caption* playerLabel;
  widgets::Caption* mouseLabel;
  widgets::Caption* controlsLabel;
  widgets::Caption* otherLabel;
  widgets::Caption* purchaseLabel;
  widgets::Caption* saveLabel;
  widgets::PictureBox* fireStrip;  // the strip at the bottom
  QTimer* fireStartTimer;       // one tick, once the shown window handles events, starts the fire
  QPushButton* fireLoopButton;  // never visible; its click runs the fire loop

  FireGrid fireGrid;  // the strip's heat grid, seeded by the load

  // Frames of the fire drawn so far.
  std::uint64_t fireFrames() const { return fireFrames_; }

  // The fire loop never returns, and every later event runs inside it. Tests
  // that drive the window without it hold it back: pressing the fire loop
  // button then does nothing. The program never holds it.
  static void holdFireLoop(bool hold);

  widgets::Caption* menuLabel(MenuPage page) const;

  static const QString kCreditText;

 protected:
  void onLoad() override;
  void onUnload() override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void onBackgroundPressed(Qt::MouseButton button);
  void onSaveClicked();
  void onFireStartTimeout();
  void runFireLoop();

  bool inUse_ = true;
  Random random_;
  std::uint64_t fireFrames_ = 0;
  bool shown_ = false;
};

}  // namespace shell
