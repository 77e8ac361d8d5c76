// The main window: the menu of pages, Save, and the credit box.
#pragma once

#include <QPushButton>
#include <QTimer>
#include <cstdint>

#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/random.h"
#include "shell/fire.h"
#include "shell/page_protocol.h"

namespace shell {

class MainWindow : public platform::Form {
  Q_OBJECT

 public:
  MainWindow();

  // False while a page is open: no menu label reacts, the window cannot be closed.
  bool MainWindowInUse = true;

  platform::Panel* Frame1;
  platform::Label* Label1;         // the title
  platform::Label* Command5;       // Видео
  platform::Label* Command7;       // Аудио
  platform::Label* Command8;       // Игрока
  platform::Label* Command6;       // Мышки
  platform::Label* Command2;       // Управление
  platform::Label* Command4;       // Остальные
  platform::Label* Command1;       // Закупка оружия
  platform::Label* Command3;       // Сохранить
  platform::PictureBox* Picture1;  // the strip at the bottom
  QTimer* Timer2;         // one tick, once the shown window handles events, starts the fire
  QPushButton* Command9;  // never visible; its click runs the fire loop

  FireGrid Fire;  // the strip's heat grid, seeded by the load

  // Frames of the fire drawn so far.
  std::uint64_t fireFrames() const { return fire_frames_; }

  // The fire loop never returns, and every later event runs inside it. Tests
  // that drive the window without it hold it back: pressing Command9 then
  // does nothing. The program never holds it.
  static void holdFireLoop(bool hold);

  platform::Label* menuLabel(MenuPage page) const;

  static const QString kCreditText;

 protected:
  void Form_Load() override;
  void Form_Unload() override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void ShowCredit(int button);
  void Command3_Click();
  void Timer2_Timer();
  void Command9_Click();

  platform::Random Rnd;
  std::uint64_t fire_frames_ = 0;
  bool shown_ = false;
};

}  // namespace shell
