#include "shell/splash.h"

#include <QApplication>
#include <QFile>
#include <QPainter>

#include "platform/fatal.h"
#include "platform/units.h"
#include "shell/main_window.h"
#include "widgets/palette.h"
#include "widgets/twips.h"

namespace shell {
namespace {

// clang-format off
constexpr twips::Rect kWindow{4680, 3075, 6120, 4665};  // a fixed place on the screen
constexpr twips::Rect kPictureBox{120, 120, 5895, 4455};
constexpr twips::Rect kTimedWait{840, 2880, 735, 975};
// clang-format on

// A picture of the program's own; one missing or damaged is a fatal error.
QImage loadPicture(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    platform::fatalError(QStringLiteral("ресурс не найден: ") + path);
  }
  QImage image;
  if (!image.loadFromData(file.readAll(), "BMP")) {
    platform::fatalError(QStringLiteral("картинка повреждена: ") + path);
  }
  return image;
}

}  // namespace

SplashWindow::SplashWindow() {
  setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
  setFixedSize(platform::twipsToPixels(kWindow.width), platform::twipsToPixels(kWindow.height));
  move(platform::twipsToPixels(kWindow.left), platform::twipsToPixels(kWindow.top));
  platform::setBackColor(this, palette::kNavy);
  picture_ = loadPicture(QStringLiteral(":/pictures/splash.bmp"));

  pictureBox = new widgets::PictureBox(this, palette::kBlack);
  twips::place(pictureBox, kPictureBox);
  // The system's window colour until the picture comes.
  QPalette window = pictureBox->palette();
  window.setColor(QPalette::Window, QApplication::palette().color(QPalette::Base));
  pictureBox->setPalette(window);
  timedWait = new TimedWait(this);
  twips::place(timedWait, kTimedWait);
}

void SplashWindow::paintEvent(QPaintEvent*) { QPainter(this).drawImage(0, 0, picture_); }

void SplashWindow::onLoad() {
  pictureBox->setPicture(picture_);
  platform::showWindow<SplashWindow>();
  timedWait->wait(1);
  platform::loadWindow<MainWindow>();
  platform::unloadWindow(*this);
}

void SplashWindow::onUnload() { platform::showWindow<MainWindow>(); }

void startUp() { platform::loadWindow<SplashWindow>(); }

}  // namespace shell
