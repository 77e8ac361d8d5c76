#include "shell/fire.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QImage>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <utility>
#include <vector>

#include "pages/mouse_page.h"
#include "platform/forms.h"
#include "shell/main_window.h"
#include "shell/random.h"
#include "shell/sound_cues.h"
#include "support/gui_actions.h"
#include "support/wizard_test.h"

namespace {

using testing_support::clickMenu;
using testing_support::mainWindow;

// The main window with its fire loop running: each step of the script runs
// inside the loop once that many frames are drawn.
class FireLoopTest : public testing_support::WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    shell::MainWindow::holdFireLoop(false);
    shell::setPageOpener(shell::MenuPage::Mouse, [] { platform::showWindow<pages::MousePage>(); });
  }

  struct Step {
    std::uint64_t frame;
    std::function<void()> action;
  };

  // Shows the window and runs events until the program asks to end; a script
  // that never ends it fails after a few seconds instead of spinning forever.
  void runTheLoop(std::vector<Step> script) {
    platform::showWindow<shell::MainWindow>();
    shown_ = &mainWindow();
    std::size_t next = 0;
    QElapsedTimer clock;
    clock.start();
    QTimer driver;
    driver.setInterval(0);
    QObject::connect(&driver, &QTimer::timeout, [&] {
      if (clock.elapsed() > 5000) {
        ADD_FAILURE() << "the script did not end the program";
        platform::endProgram();
        return;
      }
      if (next < script.size() && mainWindow().fireFrames() >= script[next].frame) {
        script[next++].action();
      }
    });
    driver.start();
    while (!platform::endRequested() && clock.elapsed() < 6000) platform::runPendingEvents();
    driver.stop();
    EXPECT_EQ(next, script.size());
  }

  QPointer<shell::MainWindow> shown_;  // the window the loop ran in; gone once unloaded
};

TEST_F(FireLoopTest, LoadSeedsTheGridAndTheTimerStartsTheLoopOnce) {
  shell::MainWindow& w = mainWindow();  // loaded, not shown: nothing ticks yet
  EXPECT_EQ(w.fireGrid(0, 46), 50);
  EXPECT_EQ(w.fireGrid(200, 50), 50);
  EXPECT_EQ(w.fireGrid(100, 45), 0);
  EXPECT_FALSE(w.fireStartTimer->isActive());
  EXPECT_EQ(w.fireStartTimer->interval(), 1);
  EXPECT_EQ(w.fireLoopButton->text(), QStringLiteral("Command9"));

  runTheLoop({{10, [] { platform::endProgram(); }}});
  EXPECT_FALSE(w.fireStartTimer->isActive());
  EXPECT_FALSE(w.fireLoopButton->isVisible());
  EXPECT_EQ(endRequests_, 1);

  // The strip shows exactly the frames the step draws from the seeded grid.
  const std::uint64_t frames = w.fireFrames();
  EXPECT_GE(frames, 10u);
  QImage expected(w.fireStrip->size(), QImage::Format_RGBX8888);
  expected.fill(Qt::black);
  shell::FireGrid fire;
  shell::seedFire(fire);
  shell::Random random;
  for (std::uint64_t f = 0; f < frames; ++f) {
    shell::drawFireFrame(fire, random, reinterpret_cast<std::uint32_t*>(expected.bits()),
                         expected.bytesPerLine() / 4);
  }
  EXPECT_EQ(w.fireStrip->picture(), expected);
}

TEST_F(FireLoopTest, FlamesStandStillWhileTheCreditBoxIsOpen) {
  std::uint64_t framesAtOpen = 0, framesAtClose = 0;
  QImage stripAtOpen, stripAtClose;
  dialogs_.whileBoxShown = [&](const testing_support::ShownBox&) {
    framesAtOpen = mainWindow().fireFrames();
    stripAtOpen = mainWindow().fireStrip->picture().copy();
    QTest::qWait(50);  // the box's own event loop
    framesAtClose = mainWindow().fireFrames();
    stripAtClose = mainWindow().fireStrip->picture().copy();
  };
  runTheLoop({
      {3,
       [&] {
         QTest::mousePress(mainWindow().menuPanel, Qt::RightButton, Qt::NoModifier, QPoint(1, 1));
       }},
      {8, [] { platform::endProgram(); }},
  });
  ASSERT_EQ(dialogs_.boxes.size(), 1u);
  EXPECT_GE(framesAtOpen, 3u);
  EXPECT_EQ(framesAtClose, framesAtOpen);
  EXPECT_EQ(stripAtClose, stripAtOpen);
  EXPECT_GE(mainWindow().fireFrames(), framesAtOpen + 5);
  EXPECT_NE(mainWindow().fireStrip->picture(), stripAtOpen);
  EXPECT_EQ(playedCues(), std::vector<int>{shell::CreditCue});
}

TEST_F(FireLoopTest, PagesAndSaveWorkWhileItBurns) {
  const QString saved = inTemp(QStringLiteral("mine.cfg"));
  dialogs_.saveAnswers.push_back(saved);
  runTheLoop({
      {2, [&] { clickMenu(mainWindow().mouseLabel); }},
      {4,
       [&] {
         testing_support::click(platform::instance<pages::MousePage>().doneButton, Qt::LeftButton,
                                QPoint(2, 2));
       }},
      {6,
       [&] {
         EXPECT_FALSE(mainWindow().mouseLabel->isActive());
         EXPECT_TRUE(mainWindow().isInUse());
         clickMenu(mainWindow().saveLabel);
       }},
  });
  EXPECT_EQ(endRequests_, 1);
  EXPECT_TRUE(!shown_ || shown_->isUnloaded());
  EXPECT_TRUE(testing_support::readFile(saved).contains("// [ Mouse Setting ] \r\n"));
  EXPECT_EQ(playedCues(), (std::vector<int>{shell::MenuCue, shell::MenuCue}));
}

TEST_F(FireLoopTest, ClosingTheWindowEndsTheLoop) {
  runTheLoop({{3, [&] { mainWindow().close(); }}});
  EXPECT_EQ(endRequests_, 1);
  EXPECT_TRUE(!shown_ || shown_->isUnloaded());
}

}  // namespace
