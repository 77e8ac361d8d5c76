#include "bindings/controls_page.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>

#include "platform/forms.h"
#include "shell/main_window.h"
#include "shell/sound_cues.h"
#include "support/gui_actions.h"
#include "support/wizard_test.h"
#include "widgets/palette.h"

namespace {

using testing_support::clickMenu;
using testing_support::mainWindow;

using bindings::ControlsPage;
using bindings::KeyCaptureBox;

const QColor kLavender(0xC0, 0xC0, 0xFF);
const QColor kOrange(0xFF, 0xC0, 0x80);

class ControlsPageTest : public testing_support::WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    shell::setPageOpener(shell::MenuPage::Controls, [] { platform::showWindow<ControlsPage>(); });
    platform::showWindow<shell::MainWindow>();
    fresh_ = tempFileBytes();
    clickMenu(mainWindow().controlsLabel);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page()));
    sound_.played.clear();
  }
  ControlsPage& page() { return platform::instance<ControlsPage>(); }
  QWindow* pageWindow() { return page().windowHandle(); }
  KeyCaptureBox* keyBox(int i) { return page().keyBoxes[i]; }

  QPoint inView(QWidget* widget, QPoint at = {}) {
    return testing_support::inView(page(), widget, at);
  }
  void arm(int i) { testing_support::armKeyBox(page(), i); }
  void press(Qt::MouseButton button, int i) {
    QTest::mousePress(pageWindow(), button, Qt::NoModifier, inView(keyBox(i)));
  }
  void release(Qt::MouseButton button, int i) {
    QTest::mouseRelease(pageWindow(), button, Qt::NoModifier, inView(keyBox(i)));
  }
  void capture(int i, Qt::Key key) {
    arm(i);
    QTest::keyClick(pageWindow(), key);
  }
  bool isIdle(int i) {
    return !keyBox(i)->isEnabled() && keyBox(i)->backColor() == palette::kLavender;
  }

  QByteArray fresh_;
};

TEST_F(ControlsPageTest, HeadersAndCaptions) {
  ControlsPage& p = page();
  EXPECT_TRUE(p.isVisible());
  EXPECT_EQ(p.doneButton->text(), "Done");
  EXPECT_EQ(p.actionHeader->text(), "Action");
  EXPECT_EQ(p.keyHeader->text(), "Key");
  EXPECT_EQ(p.alternateHeader->text(), "Altenate");
  EXPECT_EQ(p.actionCaptions[0]->text(), "Fire");
  EXPECT_EQ(p.actionCaptions[48]->text(), "Use voice commanication");
  EXPECT_EQ(p.actionCaptions[64]->text(), "Время раунда (остаток)");
}

TEST_F(ControlsPageTest, OpeningShowsEveryBoxIdleAndEmpty) {
  ControlsPage& p = page();
  for (int i = 0; i < bindings::kBoxCount; ++i) {
    SCOPED_TRACE(i);
    KeyCaptureBox* box = p.keyBoxes[i];
    EXPECT_TRUE(box->text().isEmpty());
    EXPECT_TRUE(isIdle(i));
    EXPECT_EQ(box->palette().color(QPalette::Base), kLavender);
    EXPECT_EQ(box->palette().color(QPalette::Text), QColor(0xC0, 0, 0));
    EXPECT_EQ(box->alignment(), Qt::AlignCenter);
    EXPECT_FALSE(box->focusPolicy() & Qt::TabFocus);
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->font().pixelSize(), 13);
    EXPECT_TRUE(box->font().bold());
  }
  for (widgets::Caption* caption : p.actionCaptions) {
    EXPECT_EQ(caption->palette().color(QPalette::WindowText), QColor(0xFF, 0x80, 0));
  }
  EXPECT_EQ(p.rowPanel->y(), 0);
  EXPECT_EQ(p.scrollBar->value(), 0);
  EXPECT_TRUE(playedCues().empty());
}

TEST_F(ControlsPageTest, ScrollingMovesThePanel) {
  ControlsPage& p = page();
  EXPECT_EQ(p.scrollBar->maximum(), 15685);
  EXPECT_EQ(p.scrollBar->singleStep(), 500);
  EXPECT_EQ(p.scrollBar->pageStep(), 1000);

  // The lower arrow, then the track below the thumb.
  QTest::mouseClick(p.scrollBar, Qt::LeftButton, Qt::NoModifier,
                    QPoint(8, p.scrollBar->height() - 4));
  EXPECT_EQ(p.scrollBar->value(), 500);
  EXPECT_EQ(p.rowPanel->y(), -33);
  QTest::mouseClick(p.scrollBar, Qt::LeftButton, Qt::NoModifier,
                    QPoint(8, p.scrollBar->height() - 40));
  EXPECT_EQ(p.scrollBar->value(), 1500);
  EXPECT_EQ(p.rowPanel->y(), -100);

  p.scrollBar->setValue(15685);
  EXPECT_EQ(p.rowPanel->y(), -1046);
  // The last row is in view.
  const QRect last(p.keyBoxes[129]->mapTo(p.viewport, QPoint()), p.keyBoxes[129]->size());
  EXPECT_TRUE(p.viewport->rect().contains(last));
  for (int i = 0; i < bindings::kBoxCount; ++i) EXPECT_TRUE(isIdle(i));
}

TEST_F(ControlsPageTest, DoubleClickArmsTheBox) {
  arm(0);
  EXPECT_TRUE(keyBox(0)->isEnabled());
  EXPECT_TRUE(keyBox(0)->hasFocus());
  EXPECT_EQ(keyBox(0)->palette().color(QPalette::Base), kOrange);
  EXPECT_EQ(playedCues(), std::vector<int>{shell::ArmCue});

  // A single click on an idle box does nothing.
  sound_.played.clear();
  QTest::mouseClick(pageWindow(), Qt::LeftButton, Qt::NoModifier, inView(keyBox(56)));
  EXPECT_TRUE(isIdle(56));
  EXPECT_TRUE(playedCues().empty());
}

// A double click that begins on an armed box captures "Mouse1" with its first
// press; the rest of it must not arm the box again and wipe the name.
TEST_F(ControlsPageTest, DoubleClickOnAnArmedBoxKeepsMouse1) {
  arm(0);
  QTest::mouseDClick(pageWindow(), Qt::LeftButton, Qt::NoModifier, inView(keyBox(0)));
  EXPECT_EQ(keyBox(0)->text(), "Mouse1");
  EXPECT_TRUE(isIdle(0));
  // Nor does one click soon after an arming double click and a capture.
  arm(1);
  QTest::keyClick(pageWindow(), Qt::Key_A);
  QTest::mousePress(pageWindow(), Qt::LeftButton, Qt::NoModifier, inView(keyBox(1)), 100);
  EXPECT_EQ(keyBox(1)->text(), "a");
  EXPECT_TRUE(isIdle(1));
}

TEST_F(ControlsPageTest, KeyCaptureEndsAtTheRelease) {
  arm(0);
  QTest::keyPress(pageWindow(), Qt::Key_Shift);
  EXPECT_EQ(keyBox(0)->text(), "Shift");
  EXPECT_TRUE(keyBox(0)->isEnabled());
  // The last key pressed counts, repeats included; Shift plays no part in its name.
  QTest::keyPress(pageWindow(), Qt::Key_A, Qt::ShiftModifier);
  QTest::keyPress(pageWindow(), Qt::Key_A, Qt::ShiftModifier);
  EXPECT_EQ(keyBox(0)->text(), "a");
  EXPECT_TRUE(keyBox(0)->isEnabled());
  sound_.played.clear();
  QTest::keyRelease(pageWindow(), Qt::Key_A, Qt::ShiftModifier);
  EXPECT_EQ(keyBox(0)->text(), "a");
  EXPECT_FALSE(keyBox(0)->isEnabled());
  ASSERT_FALSE(playedCues().empty());
  EXPECT_EQ(playedCues().back(), shell::DisarmCue);
  // The focus is left to the page, not to "Done": the next key presses nothing.
  EXPECT_FALSE(page().doneButton->hasFocus());
  EXPECT_TRUE(isIdle(0));
  QTest::keyClick(pageWindow(), Qt::Key_Space);
  EXPECT_TRUE(page().isVisible());
  EXPECT_EQ(keyBox(0)->text(), "a");
}

TEST_F(ControlsPageTest, KeysAndTheirNames) {
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* name;
  } cases[] = {
      {Qt::Key_Escape, Qt::NoModifier, ""},          {Qt::Key_CapsLock, Qt::NoModifier, ""},
      {Qt::Key_Delete, Qt::NoModifier, ""},          {Qt::Key_Period, Qt::KeypadModifier, ""},
      {Qt::Key_Backspace, Qt::NoModifier, "Backup"}, {Qt::Key_Slash, Qt::KeypadModifier, "Num /"},
      {Qt::Key_Minus, Qt::KeypadModifier, "Num -"},  {Qt::Key_Asterisk, Qt::KeypadModifier, "*"},
      {Qt::Key_Plus, Qt::KeypadModifier, "+"},       {Qt::Key_Enter, Qt::KeypadModifier, "Enter"},
      {Qt::Key_Return, Qt::NoModifier, "Enter"},     {Qt::Key_7, Qt::KeypadModifier, "Num 7"},
      {Qt::Key_Exclam, Qt::ShiftModifier, "1"},      {Qt::Key_F12, Qt::NoModifier, "F12"},
      {Qt::Key_Up, Qt::NoModifier, "UpArrow"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    arm(20);
    QTest::keyClick(pageWindow(), c.key, c.modifiers);
    EXPECT_EQ(keyBox(20)->text(), c.name);
    EXPECT_FALSE(keyBox(20)->isEnabled());
  }
}

// An input method may keep a dead key's press, so that the box sees only its
// release: the dead key is captured all the same, nothing the input method
// composes reaches a box, and the key after it gives its own name. A key held
// down when the box was armed still only ends the capture.
TEST_F(ControlsPageTest, DeadKeysAreCapturedAndChangeNoLaterKey) {
  const struct {
    Qt::Key key;
    bool pressReachesTheBox;
    const char* name;
  } cases[] = {
      {Qt::Key_Dead_Grave, false, "`"},
      {Qt::Key_Dead_Acute, false, "'"},
      {Qt::Key_Dead_Circumflex, true, "6"},
      {Qt::Key_A, false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    arm(0);
    if (c.pressReachesTheBox) QTest::sendKeyEvent(QTest::Press, pageWindow(), c.key, QString(), {});
    QTest::sendKeyEvent(QTest::Release, pageWindow(), c.key, QString(), {});
    EXPECT_EQ(keyBox(0)->text(), c.name);
    EXPECT_FALSE(keyBox(0)->isEnabled());

    arm(1);
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QApplication::sendEvent(keyBox(1), &query);
    EXPECT_FALSE(query.value(Qt::ImEnabled).toBool());
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("é"));
    QApplication::sendEvent(keyBox(1), &composed);
    EXPECT_TRUE(keyBox(1)->text().isEmpty());
    QTest::keyClick(pageWindow(), Qt::Key_E);
    EXPECT_EQ(keyBox(1)->text(), "e");
  }
}

TEST_F(ControlsPageTest, MouseButtonsCaptureAtThePress) {
  const struct {
    Qt::MouseButton button;
    const char* name;
  } cases[] = {
      {Qt::LeftButton, "Mouse1"}, {Qt::RightButton, "Mouse2"}, {Qt::MiddleButton, "Mouse3"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    arm(2);
    sound_.played.clear();
    press(c.button, 2);
    EXPECT_EQ(keyBox(2)->text(), c.name);
    EXPECT_FALSE(keyBox(2)->isEnabled());
    ASSERT_FALSE(playedCues().empty());
    EXPECT_EQ(playedCues().back(), shell::DisarmCue);
    release(c.button, 2);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);  // no context menu
    EXPECT_EQ(keyBox(2)->text(), c.name);
    EXPECT_TRUE(isIdle(2));
  }
}

TEST_F(ControlsPageTest, TabIsCapturedAndEndsTheCapture) {
  arm(5);
  QTest::keyPress(pageWindow(), Qt::Key_Tab);
  EXPECT_EQ(keyBox(5)->text(), "Tab");
  EXPECT_FALSE(keyBox(5)->isEnabled());
  QTest::keyRelease(pageWindow(), Qt::Key_Tab);
  EXPECT_EQ(keyBox(5)->text(), "Tab");
}

TEST_F(ControlsPageTest, ArmingAnotherBoxDisarmsTheFirst) {
  arm(0);
  QTest::keyPress(pageWindow(), Qt::Key_Q);
  EXPECT_EQ(keyBox(0)->text(), "q");
  sound_.played.clear();
  arm(1);
  EXPECT_EQ(keyBox(0)->text(), "q");
  EXPECT_TRUE(isIdle(0));
  EXPECT_TRUE(keyBox(1)->isEnabled());
  EXPECT_TRUE(keyBox(1)->hasFocus());
  EXPECT_TRUE(keyBox(1)->text().isEmpty());
  EXPECT_EQ(keyBox(1)->palette().color(QPalette::Base), kOrange);
  std::vector<int> cues = playedCues();
  std::sort(cues.begin(), cues.end());
  EXPECT_EQ(cues, (std::vector<int>{shell::ArmCue, shell::DisarmCue}));
}

TEST_F(ControlsPageTest, ANameStandsInOneBoxOnly) {
  capture(15, Qt::Key_Space);
  EXPECT_EQ(keyBox(15)->text(), "Space");
  capture(0, Qt::Key_Space);
  EXPECT_EQ(keyBox(0)->text(), "Space");
  EXPECT_TRUE(keyBox(15)->text().isEmpty());
  EXPECT_TRUE(isIdle(15));

  arm(3);
  press(Qt::LeftButton, 3);
  release(Qt::LeftButton, 3);
  arm(40);
  press(Qt::LeftButton, 40);
  release(Qt::LeftButton, 40);
  EXPECT_EQ(keyBox(40)->text(), "Mouse1");
  EXPECT_TRUE(keyBox(3)->text().isEmpty());
  EXPECT_EQ(keyBox(0)->text(), "Space");
}

TEST_F(ControlsPageTest, ArmingEmptiesTheBox) {
  capture(15, Qt::Key_Space);
  arm(15);
  EXPECT_TRUE(keyBox(15)->text().isEmpty());
  QTest::mouseClick(pageWindow(), Qt::LeftButton, Qt::NoModifier,
                    page().doneButton->mapTo(&page(), QPoint(5, 5)));
  EXPECT_EQ(tempFileBytes(), fresh_ + "\r\n// [ Commands ] \r\n");
}

// The player's road: a few keys and buttons, one box left armed, Done.
TEST_F(ControlsPageTest, DoneWritesTheSectionInBoxOrder) {
  capture(15, Qt::Key_Space);
  capture(8, Qt::Key_PageUp);
  arm(55);
  press(Qt::RightButton, 55);
  release(Qt::RightButton, 55);
  capture(129, Qt::Key_F5);
  arm(0);
  QTest::keyPress(pageWindow(), Qt::Key_A);  // still armed when Done is clicked
  sound_.played.clear();
  QTest::mouseClick(pageWindow(), Qt::LeftButton, Qt::NoModifier,
                    page().doneButton->mapTo(&page(), QPoint(5, 5)));
  EXPECT_EQ(tempFileBytes(), fresh_ +
                                 "\r\n// [ Commands ] \r\n"
                                 "bind \"a\" \"+attack\"\r\n"
                                 "bind \"pgup\" \"+forward\"\r\n"
                                 "bind \"Space\" \"+jump\"\r\n"
                                 "bind \"Mouse2\" \"+attack\"\r\n"
                                 "bind \"F5\" \"timeleft\"\r\n");
  EXPECT_EQ(playedCues(), std::vector<int>{shell::DisarmCue});  // the armed box's focus loss
  EXPECT_FALSE(mainWindow().controlsLabel->isActive());
  EXPECT_TRUE(mainWindow().isInUse());
}

}  // namespace
