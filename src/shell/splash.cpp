#include "shell/splash.h"

#include <QApplication>
#include <QFile>
#include <QPainter>

#include "platform/fatal.h"
#include "platform/units.h"
#include "shell/main_window.h"

namespace shell {
namespace {

// A picture of the program's own; one missing or damaged is a fatal error.
QImage loadPicture(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    platform::FatalError(QStringLiteral("ресурс не найден: ") + path);
  }
  QImage image;
  if (!image.loadFromData(file.readAll(), "BMP")) {
    platform::FatalError(QStringLiteral("картинка повреждена: ") + path);
  }
  return image;
}

}  // namespace

SplashWindow::SplashWindow() {
  setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
  setFixedSize(platform::TwipsToPixels(6120), platform::TwipsToPixels(4665));
  move(platform::TwipsToPixels(4680), platform::TwipsToPixels(3075));
  platform::SetBackColor(this, 0x00800000);
  picture_ = loadPicture(QStringLiteral(":/pictures/splash.bmp"));

  Pic = new platform::PictureBox(this, 0x00000000);
  platform::PlaceTwips(Pic, 120, 120, 5895, 4455);
  // The system's window colour until the picture comes.
  QPalette window = Pic->palette();
  window.setColor(QPalette::Window, QApplication::palette().color(QPalette::Base));
  Pic->setPalette(window);
  WaiT1 = new TimedWait(this);
  platform::PlaceTwips(WaiT1, 840, 2880, 735, 975);
}

void SplashWindow::paintEvent(QPaintEvent*) { QPainter(this).drawImage(0, 0, picture_); }

void SplashWindow::Form_Load() {
  Pic->SetPicture(picture_);
  platform::Show<SplashWindow>();
  WaiT1->Wait(1);
  platform::Load<MainWindow>();
  platform::Unload(*this);
}

void SplashWindow::Form_Unload() { platform::Show<MainWindow>(); }

void startUp() { platform::Load<SplashWindow>(); }

}  // namespace shell
