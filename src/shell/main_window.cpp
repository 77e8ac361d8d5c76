#include "shell/main_window.h"

#include <QCloseEvent>
#include <QPointer>

#include "config/config_file.h"
#include "platform/dialogs.h"
#include "platform/units.h"
#include "shell/sound_cues.h"
#include "widgets/fonts.h"
#include "widgets/palette.h"
#include "widgets/twips.h"

namespace shell {
namespace {

// clang-format off
constexpr int kWindowWidth = 3045;
constexpr int kWindowHeight = 4485;
constexpr twips::Rect kMenuPanel{240, 120, 2655, 3495};
// In the menu panel:
constexpr twips::Rect kTitle{240, 0, 1605, 405};
constexpr twips::Rect kVideoLabel{600, 480, 690, 345};
constexpr twips::Rect kSoundLabel{555, 840, 735, 345};
constexpr twips::Rect kPlayerLabel{600, 1200, 810, 345};
constexpr twips::Rect kMouseLabel{600, 1560, 870, 345};
// 30 twips wider than Comic Sans MS needs: the bundled face draws this word
// two pixels wider, and its last letter would be cut off.
constexpr twips::Rect kControlsLabel{600, 1920, 1380, 345};
constexpr twips::Rect kOtherLabel{600, 2280, 1275, 345};
constexpr twips::Rect kPurchaseLabel{600, 2640, 1830, 345};
constexpr twips::Rect kSaveLabel{240, 3120, 1440, 405};
// It reaches a little past the right and bottom edges of the window.
constexpr twips::Rect kFireStrip{0, 3720, 3105, 855};
// Outside the client area.
constexpr twips::Rect kFireLoopButton{3840, 240, 255, 255};
// clang-format on

bool fireLoopHeld = false;

widgets::Caption* makeCaption(QWidget* parent, const QString& caption, const twips::Rect& place) {
  auto* label = new widgets::Caption(parent, caption, palette::kRed, fonts::comicFont(14.25, true));
  twips::place(label, place);
  return label;
}

widgets::Caption* makeMenuLabel(QWidget* parent, const QString& caption, const twips::Rect& place) {
  auto* label = new widgets::Caption(parent, caption, palette::kDarkBlue, fonts::comicFont(12));
  twips::place(label, place);
  return label;
}

}  // namespace

const QString MainWindow::kCreditText = QStringLiteral("    Made by Zelkarin");

MainWindow::MainWindow() : platform::AppWindow(StartUpPosition::CenterScreen) {
  setWindowTitle(QStringLiteral("Vesmir"));
  // A tool window: thin title bar with the close box only, no taskbar button.
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(platform::twipsToPixels(kWindowWidth), platform::twipsToPixels(kWindowHeight));
  platform::setBackColor(this, palette::kBlack);

  menuPanel = new widgets::Panel(this, palette::kBlack);
  twips::place(menuPanel, kMenuPanel);

  titleCaption = makeCaption(menuPanel, QStringLiteral("Настройки:"), kTitle);
  videoLabel = makeMenuLabel(menuPanel, QStringLiteral("Видео"), kVideoLabel);
  soundLabel = makeMenuLabel(menuPanel, QStringLiteral("Аудио"), kSoundLabel);
  playerLabel = makeMenuLabel(menuPanel, QStringLiteral("Игрока"), kPlayerLabel);
  mouseLabel = makeMenuLabel(menuPanel, QStringLiteral("Мышки"), kMouseLabel);
  controlsLabel = makeMenuLabel(menuPanel, QStringLiteral("Управление"), kControlsLabel);
  otherLabel = makeMenuLabel(menuPanel, QStringLiteral("Остальные"), kOtherLabel);
  purchaseLabel = makeMenuLabel(menuPanel, QStringLiteral("Закупка оружия"), kPurchaseLabel);
  saveLabel = makeCaption(menuPanel, QStringLiteral("Сохранить"), kSaveLabel);

  fireStrip = new widgets::PictureBox(this, palette::kBlack);
  twips::place(fireStrip, kFireStrip);

  // Hidden, so only the fire start timer ever presses it.
  fireLoopButton = new QPushButton(QStringLiteral("Command9"), this);
  twips::place(fireLoopButton, kFireLoopButton);
  fireLoopButton->hide();
  connect(fireLoopButton, &QPushButton::clicked, this, &MainWindow::runFireLoop);
  // Started when the window is first shown: a tick that came earlier, inside
  // a box shown while the window loads, would start the loop under that box.
  fireStartTimer = new QTimer(this);
  fireStartTimer->setTimerType(Qt::PreciseTimer);
  fireStartTimer->setSingleShot(true);
  fireStartTimer->setInterval(1);
  connect(fireStartTimer, &QTimer::timeout, this, &MainWindow::onFireStartTimeout);

  for (MenuPage page : {MenuPage::Video, MenuPage::Sound, MenuPage::Player, MenuPage::Mouse,
                        MenuPage::Controls, MenuPage::Other, MenuPage::Purchase}) {
    connect(menuLabel(page), &widgets::Caption::clicked, this, [page] { openPage(page); });
  }
  connect(saveLabel, &widgets::Caption::clicked, this, &MainWindow::onSaveClicked);
  connect(this, &platform::AppWindow::mousePressed, this, &MainWindow::onBackgroundPressed);
  connect(menuPanel, &widgets::Panel::mousePressed, this, &MainWindow::onBackgroundPressed);
}

widgets::Caption* MainWindow::menuLabel(MenuPage page) const {
  switch (page) {
    case MenuPage::Video:
      return videoLabel;
    case MenuPage::Sound:
      return soundLabel;
    case MenuPage::Player:
      return playerLabel;
    case MenuPage::Mouse:
      return mouseLabel;
    case MenuPage::Controls:
      return controlsLabel;
    case MenuPage::Other:
      return otherLabel;
    case MenuPage::Purchase:
      return purchaseLabel;
  }
  return nullptr;
}

void MainWindow::onLoad() {
  config::createConfigFile();
  seedFire(fireGrid);
}

void MainWindow::onUnload() { platform::endProgram(); }

void MainWindow::showEvent(QShowEvent* event) {
  if (!shown_) {
    shown_ = true;
    fireStartTimer->start();
  }
  platform::AppWindow::showEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (!inUse_) return;
  platform::unloadWindow(*this);
}

// The right button on the background shows the credit.
void MainWindow::onBackgroundPressed(Qt::MouseButton button) {
  if (button != Qt::RightButton || !inUse_) return;
  platform::showMessage(kCreditText, QString());
  playCue(CreditCue);
}

void MainWindow::onSaveClicked() {
  if (!inUse_) return;
  if (!config::saveConfigFile()) return;
  playCue(MenuCue);
  platform::unloadWindow(*this);
}

void MainWindow::holdFireLoop(bool hold) { fireLoopHeld = hold; }

void MainWindow::onFireStartTimeout() { fireLoopButton->click(); }

// Runs for the rest of the program, as fast as the machine allows: every click,
// page, box and Save from now on is handled inside the runPendingEvents of some frame.
void MainWindow::runFireLoop() {
  if (fireLoopHeld) return;
  const QPointer<MainWindow> self(this);
  for (;;) {
    platform::runPendingEvents();
    // The program normally ends inside runPendingEvents and never comes back here; where
    // ending only records the request (tests), the loop stops with it.
    if (!self || isUnloaded() || platform::endRequested()) return;
    QImage& strip = fireStrip->drawingSurface();
    drawFireFrame(fireGrid, random_, reinterpret_cast<std::uint32_t*>(strip.bits()),
                  strip.bytesPerLine() / 4);
    ++fireFrames_;
    fireStrip->repaint();
  }
}

}  // namespace shell
