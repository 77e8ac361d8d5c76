#include "shell/splash.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>

#include "platform/forms.h"
#include "shell/main_window.h"
#include "shell/timed_wait.h"
#include "support/wizard_test.h"

namespace {

TEST(TimedWait, SecondsBecomeWholeMillisecondsHalvesToEven) {
  const std::pair<double, int> cases[] = {
      {0, 0},      {0.0004, 0}, {0.0005, 0}, {0.0015, 2},
      {0.0025, 2}, {0.0026, 3}, {0.5, 500},  {1, 1000},
  };
  for (auto [seconds, ms] : cases) EXPECT_EQ(shell::waitInterval(seconds), ms) << seconds;
}

class TimedWaitTest : public testing_support::WizardTest {};

TEST_F(TimedWaitTest, ZeroHandlesNoEventAndAWaitRunsThemAll) {
  QWidget host;
  shell::TimedWait wait(&host);
  bool ran = false;
  QTimer::singleShot(0, [&] { ran = true; });
  wait.wait(0.0004);
  EXPECT_FALSE(ran);
  EXPECT_FALSE(wait.timer->isActive());

  for (int round = 0; round < 2; ++round) {  // a second call works the same way
    SCOPED_TRACE(round);
    QElapsedTimer clock;
    clock.start();
    wait.wait(0.5);
    EXPECT_TRUE(ran);
    EXPECT_GE(clock.elapsed(), 480);
    EXPECT_LT(clock.elapsed(), 1500);
    EXPECT_FALSE(wait.timer->isActive());
  }
}

TEST_F(TimedWaitTest, RefusedInterval) {
  QWidget host;
  shell::TimedWait wait(&host);
  EXPECT_EXIT(wait.wait(-1), ::testing::ExitedWithCode(1), "время ожидания");
}

// The start-up as a player sees it.
class StartUpTest : public testing_support::WizardTest {};

TEST_F(StartUpTest, SplashForASecondThenTheMainWindowWithTheFileReady) {
  bool splashSeen = false, mainShownEarly = false;
  QByteArray fileWhenShown;
  QElapsedTimer clock;
  qint64 shownAfter = -1;
  QTimer probe;
  probe.setInterval(20);
  QObject::connect(&probe, &QTimer::timeout, [&] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (qobject_cast<shell::SplashWindow*>(w) && w->isVisible()) {
        splashSeen = true;
      }
      if (qobject_cast<shell::MainWindow*>(w) && w->isVisible()) mainShownEarly = true;
    }
  });
  struct Watch : QObject {
    std::function<void()> onShow;
    bool eventFilter(QObject* o, QEvent* e) override {
      if (e->type() == QEvent::Show && qobject_cast<shell::MainWindow*>(o)) onShow();
      return false;
    }
  } watch;
  watch.onShow = [&] {
    fileWhenShown = tempFileBytes();
    shownAfter = clock.elapsed();
  };
  qApp->installEventFilter(&watch);
  probe.start();
  clock.start();
  shell::startUp();
  qApp->removeEventFilter(&watch);

  EXPECT_TRUE(splashSeen);
  EXPECT_FALSE(mainShownEarly);
  EXPECT_GE(shownAfter, 950);
  EXPECT_EQ(fileWhenShown.size(), 3859);
  EXPECT_TRUE(platform::instance<shell::MainWindow>().isVisible());
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (qobject_cast<shell::SplashWindow*>(w)) {
      EXPECT_FALSE(w->isVisible());
    }
  }
  platform::runPendingEvents();
  bool splashLeft = false;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    splashLeft |= qobject_cast<shell::SplashWindow*>(w) != nullptr;
  }
  EXPECT_FALSE(splashLeft);
}

TEST_F(StartUpTest, SplashShowsItsPicture) {
  shell::SplashWindow splash;
  const QImage& picture = splash.picture();
  EXPECT_EQ(picture.size(), QSize(400, 300));
  EXPECT_EQ(picture.pixelColor(0, 0), QColor(0, 0, 0));
  EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
}

}  // namespace
