#include "shell/main_window.h"

#include <QCloseEvent>
#include <QPointer>

#include "config/config_file.h"
#include "platform/dialogs.h"
#include "platform/units.h"
#include "shell/sound_cues.h"

namespace shell {
namespace {

constexpr std::uint32_t kBlack = 0x00000000;
constexpr std::uint32_t kRed = 0x000000FF;
constexpr std::uint32_t kDarkBlue = 0x00C00000;

bool fire_loop_held = false;

platform::Label* MakeLabel(QWidget* parent, const QString& caption, std::uint32_t color,
                           double points, bool bold, int left, int top, int width, int height) {
  auto* label = new platform::Label(
      parent, caption, color, platform::MakeFont(QStringLiteral("Comic Sans MS"), points, bold));
  platform::PlaceTwips(label, left, top, width, height);
  return label;
}

platform::Label* MenuItem(QWidget* parent, const QString& caption, int left, int top, int width) {
  return MakeLabel(parent, caption, kDarkBlue, 12, false, left, top, width, 345);
}

}  // namespace

const QString MainWindow::kCreditText = QStringLiteral("    Made by Zelkarin");

MainWindow::MainWindow() : platform::Form(StartUpPosition::CenterScreen) {
  setWindowTitle(QStringLiteral("Vesmir"));
  // A tool window: thin title bar with the close box only, no taskbar button.
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(platform::TwipsToPixels(3045), platform::TwipsToPixels(4485));
  platform::SetBackColor(this, kBlack);

  Frame1 = new platform::Panel(this, kBlack);
  platform::PlaceTwips(Frame1, 240, 120, 2655, 3495);

  Label1 = MakeLabel(Frame1, QStringLiteral("Настройки:"), kRed, 14.25, true, 240, 0, 1605, 405);
  Command5 = MenuItem(Frame1, QStringLiteral("Видео"), 600, 480, 690);
  Command7 = MenuItem(Frame1, QStringLiteral("Аудио"), 555, 840, 735);
  Command8 = MenuItem(Frame1, QStringLiteral("Игрока"), 600, 1200, 810);
  Command6 = MenuItem(Frame1, QStringLiteral("Мышки"), 600, 1560, 870);
  // 30 twips wider than Comic Sans MS needs: the bundled face draws this word
  // two pixels wider, and its last letter would be cut off.
  Command2 = MenuItem(Frame1, QStringLiteral("Управление"), 600, 1920, 1380);
  Command4 = MenuItem(Frame1, QStringLiteral("Остальные"), 600, 2280, 1275);
  Command1 = MenuItem(Frame1, QStringLiteral("Закупка оружия"), 600, 2640, 1830);
  Command3 =
      MakeLabel(Frame1, QStringLiteral("Сохранить"), kRed, 14.25, true, 240, 3120, 1440, 405);

  // It reaches a little past the right and bottom edges of the window.
  Picture1 = new platform::PictureBox(this, kBlack);
  platform::PlaceTwips(Picture1, 0, 3720, 3105, 855);

  // Outside the client area and hidden, so only Timer2 ever presses it.
  Command9 = new QPushButton(QStringLiteral("Command9"), this);
  platform::PlaceTwips(Command9, 3840, 240, 255, 255);
  Command9->hide();
  connect(Command9, &QPushButton::clicked, this, &MainWindow::Command9_Click);
  // Switched on when the window is first shown: a tick that came earlier, inside
  // a box shown while the window loads, would start the loop under that box.
  Timer2 = new QTimer(this);
  Timer2->setTimerType(Qt::PreciseTimer);
  Timer2->setSingleShot(true);
  Timer2->setInterval(1);
  connect(Timer2, &QTimer::timeout, this, &MainWindow::Timer2_Timer);

  for (MenuPage page : {MenuPage::Video, MenuPage::Sound, MenuPage::Player, MenuPage::Mouse,
                        MenuPage::Controls, MenuPage::Other, MenuPage::Purchase}) {
    connect(menuLabel(page), &platform::Label::Click, this, [page] { openPage(page); });
  }
  connect(Command3, &platform::Label::Click, this, &MainWindow::Command3_Click);
  connect(this, &platform::Form::MouseDown, this, &MainWindow::ShowCredit);
  connect(Frame1, &platform::Panel::MouseDown, this, &MainWindow::ShowCredit);
}

platform::Label* MainWindow::menuLabel(MenuPage page) const {
  switch (page) {
    case MenuPage::Video:
      return Command5;
    case MenuPage::Sound:
      return Command7;
    case MenuPage::Player:
      return Command8;
    case MenuPage::Mouse:
      return Command6;
    case MenuPage::Controls:
      return Command2;
    case MenuPage::Other:
      return Command4;
    case MenuPage::Purchase:
      return Command1;
  }
  return nullptr;
}

void MainWindow::Form_Load() {
  config::createConfigFile();
  seedFire(Fire);
}

void MainWindow::Form_Unload() { platform::End(); }

void MainWindow::showEvent(QShowEvent* event) {
  if (!shown_) {
    shown_ = true;
    Timer2->start();
  }
  platform::Form::showEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (!MainWindowInUse) return;
  platform::Unload(*this);
}

void MainWindow::ShowCredit(int button) {
  if (button != 2 || !MainWindowInUse) return;
  platform::MsgBox(kCreditText, 0, QString());
  playCue(CreditCue);
}

void MainWindow::Command3_Click() {
  if (!MainWindowInUse) return;
  if (!config::saveConfigFile()) return;
  playCue(MenuCue);
  platform::Unload(*this);
}

void MainWindow::holdFireLoop(bool hold) { fire_loop_held = hold; }

void MainWindow::Timer2_Timer() { Command9->click(); }

// Runs for the rest of the program, as fast as the machine allows: every click,
// page, box and Save from now on is handled inside the DoEvents of some frame.
void MainWindow::Command9_Click() {
  if (fire_loop_held) return;
  const QPointer<MainWindow> self(this);
  for (;;) {
    platform::DoEvents();
    // The program normally ends inside DoEvents and never comes back here; where
    // ending only records the request (tests), the loop stops with it.
    if (!self || IsUnloaded() || platform::EndRequested()) return;
    QImage& strip = Picture1->DrawingSurface();
    drawFireFrame(Fire, Rnd, reinterpret_cast<std::uint32_t*>(strip.bits()),
                  strip.bytesPerLine() / 4);
    ++fire_frames_;
    Picture1->Refresh();
  }
}

}  // namespace shell
