#include "shell/splash.h"

#include <QApplication>
#include <QPainter>

#include "platform/units.h"
#include "shell/main_window.h"

namespace shell {

SplashWindow::SplashWindow() {
  setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
  setFixedSize(platform::TwipsToPixels(6120), platform::TwipsToPixels(4665));
  move(platform::TwipsToPixels(4680), platform::TwipsToPixels(3075));
  platform::SetBackColor(this, 0x00800000);
  picture_ = platform::LoadResPicture(QStringLiteral("splash"));
  BMP.Add(picture_);

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
  Pic->SetPicture(BMP.ListImage(1));
  platform::Show<SplashWindow>();
  WaiT1->Wait(1);
  platform::Load<MainWindow>();
  platform::Unload(*this);
}

void SplashWindow::Form_Unload() { platform::Show<MainWindow>(); }

void StartUp() { platform::Load<SplashWindow>(); }

}  // namespace shell
