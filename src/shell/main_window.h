// The main window: the menu of pages, Save, and the credit box.
#pragma once

#include <QPushButton>
#include <QTimer>
#include <cstdint>

#include "platform/controls.h"
#include "platform/forms.h"
#include "shell/fire.h"
#include "shell/page_protocol.h"
#include "shell/random.h"

namespace shell {

class MainWindow : public platform::Form {
  Q_OBJECT

 public:
  MainWindow();

  // False while a page is open: no menu label reacts, the window cannot be closed.
  bool isInUse() const { return inUse_; }
  void setInUse(bool inUse) { inUse_ = inUse; }

  platform::Panel* menuPanel;
  platform::Label* titleCaption;  // "Настройки:"
  platform::Label* videoLabel;
  platform::Label* soundLabel;
  platform::Label* playerLabel;
  platform::Label* mouseLabel;
  platform::Label* controlsLabel;
  platform::Label* otherLabel;
  platform::Label* purchaseLabel;
  platform::Label* saveLabel;
  platform::PictureBox* fireStrip;  // the strip at the bottom
  QTimer* fireStartTimer;       // one tick, once the shown window handles events, starts the fire
  QPushButton* fireLoopButton;  // never visible; its click runs the fire loop

  FireGrid fireGrid;  // the strip's heat grid, seeded by the load

  // Frames of the fire drawn so far.
  std::uint64_t fireFrames() const { return fireFrames_; }

  // The fire loop never returns, and every later event runs inside it. Tests
  // that drive the window without it hold it back: pressing the fire loop
  // button then does nothing. The program never holds it.
  static void holdFireLoop(bool hold);

  platform::Label* menuLabel(MenuPage page) const;

  static const QString kCreditText;

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void onBackgroundPressed(int button);
  void onSaveClicked();
  void onFireStartTimeout();
  void runFireLoop();

  bool inUse_ = true;
  Random random_;
  std::uint64_t fireFrames_ = 0;
  bool shown_ = false;
};

}  // namespace shell
