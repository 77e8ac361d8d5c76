// The start-up window: the picture for a second while the main window loads.
#pragma once

#include <QImage>

#include "platform/forms.h"
#include "shell/timed_wait.h"
#include "widgets/picture_box.h"

namespace shell {

class SplashWindow : public platform::AppWindow {
  Q_OBJECT

 public:
  SplashWindow();

  widgets::PictureBox* pictureBox;
  TimedWait* timedWait;

  // The picture the window shows.
  const QImage& picture() const { return picture_; }

 protected:
  void onLoad() override;
  void onUnload() override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;  // the window's own background picture
};

// Starts the program: the splash, whose load brings up the main window.
void startUp();

}  // namespace shell
