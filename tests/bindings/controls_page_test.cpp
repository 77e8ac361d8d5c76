#include "bindings/controls_page.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>

#include "platform/forms.h"
#include "shell/main_window.h"
#include "shell/sound_cues.h"
#include "support/wizard_test.h"

namespace {

using bindings::ControlsPage;
using bindings::KeyCaptureBox;

const QColor kLavender(0xC0, 0xC0, 0xFF);
const QColor kOrange(0xFF, 0xC0, 0x80);

class ControlsPageTest : public testing_support::WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    shell::SetPageOpener(shell::MenuPage::Controls, [] { platform::Show<ControlsPage>(); });
    platform::Show<shell::MainWindow>();
    fresh_ = TempFileBytes();
    QTest::mouseClick(Main().Command2, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Page()));
    sound_.played.clear();
  }
  shell::MainWindow& Main() { return platform::The<shell::MainWindow>(); }
  ControlsPage& Page() { return platform::The<ControlsPage>(); }
  QWindow* Window() { return Page().windowHandle(); }
  KeyCaptureBox* Box(int i) { return Page().Text1[i]; }

  // Where the box lies in the page now, its panel scrolled so that it is in view.
  QPoint InView(QWidget* box, QPoint at = {}) {
    ControlsPage& p = Page();
    const int top = box->mapTo(p.img, QPoint()).y() * 15;
    p.V->setValue(std::clamp(top - 3000, 0, p.V->maximum()));
    return box->mapTo(&p, at.isNull() ? box->rect().center() : at);
  }
  // The player's gesture: a double click on the box's rectangle.
  void Arm(int i) { QTest::mouseDClick(Window(), Qt::LeftButton, Qt::NoModifier, InView(Box(i))); }
  void Press(Qt::MouseButton button, int i) {
    QTest::mousePress(Window(), button, Qt::NoModifier, InView(Box(i)));
  }
  void Release(Qt::MouseButton button, int i) {
    QTest::mouseRelease(Window(), button, Qt::NoModifier, InView(Box(i)));
  }
  void Capture(int i, Qt::Key key) {
    Arm(i);
    QTest::keyClick(Window(), key);
  }
  bool Idle(int i) { return !Box(i)->isEnabled() && Box(i)->backColor() == bindings::kIdleBack; }

  QByteArray fresh_;
};

TEST_F(ControlsPageTest, HeadersAndCaptions) {
  ControlsPage& p = Page();
  EXPECT_TRUE(p.isVisible());
  EXPECT_EQ(p.Command2->text(), "Done");
  EXPECT_EQ(p.Label10->text(), "Action");
  EXPECT_EQ(p.Label2->text(), "Key");
  EXPECT_EQ(p.Label3->text(), "Altenate");
  EXPECT_EQ(p.KeyLab[0]->text(), "Fire");
  EXPECT_EQ(p.KeyLab[48]->text(), "Use voice commanication");
  EXPECT_EQ(p.KeyLab[64]->text(), "Время раунда (остаток)");
}

TEST_F(ControlsPageTest, OpeningShowsEveryBoxIdleAndEmpty) {
  ControlsPage& p = Page();
  for (int i = 0; i < bindings::kBoxCount; ++i) {
    SCOPED_TRACE(i);
    KeyCaptureBox* box = p.Text1[i];
    EXPECT_TRUE(box->Text().isEmpty());
    EXPECT_TRUE(Idle(i));
    EXPECT_EQ(box->palette().color(QPalette::Base), kLavender);
    EXPECT_EQ(box->palette().color(QPalette::Text), QColor(0xC0, 0, 0));
    EXPECT_EQ(box->alignment(), Qt::AlignCenter);
    EXPECT_FALSE(box->focusPolicy() & Qt::TabFocus);
    EXPECT_TRUE(box->isReadOnly());
    EXPECT_EQ(box->font().pixelSize(), 13);
    EXPECT_TRUE(box->font().bold());
  }
  for (platform::Label* caption : p.KeyLab) {
    EXPECT_EQ(caption->palette().color(QPalette::WindowText), QColor(0xFF, 0x80, 0));
  }
  EXPECT_EQ(p.img->y(), 0);
  EXPECT_EQ(p.V->value(), 0);
  EXPECT_TRUE(Cues().empty());
}

TEST_F(ControlsPageTest, ScrollingMovesThePanel) {
  ControlsPage& p = Page();
  EXPECT_EQ(p.V->maximum(), 15685);
  EXPECT_EQ(p.V->singleStep(), 500);
  EXPECT_EQ(p.V->pageStep(), 1000);

  // The lower arrow, then the track below the thumb.
  QTest::mouseClick(p.V, Qt::LeftButton, Qt::NoModifier, QPoint(8, p.V->height() - 4));
  EXPECT_EQ(p.V->value(), 500);
  EXPECT_EQ(p.img->y(), -33);
  QTest::mouseClick(p.V, Qt::LeftButton, Qt::NoModifier, QPoint(8, p.V->height() - 40));
  EXPECT_EQ(p.V->value(), 1500);
  EXPECT_EQ(p.img->y(), -100);

  p.V->setValue(15685);
  EXPECT_EQ(p.img->y(), -1046);
  // The last row is in view.
  const QRect last(p.Text1[129]->mapTo(p.Picture1, QPoint()), p.Text1[129]->size());
  EXPECT_TRUE(p.Picture1->rect().contains(last));
  for (int i = 0; i < bindings::kBoxCount; ++i) EXPECT_TRUE(Idle(i));
}

TEST_F(ControlsPageTest, DoubleClickArmsTheBox) {
  Arm(0);
  EXPECT_TRUE(Box(0)->isEnabled());
  EXPECT_TRUE(Box(0)->hasFocus());
  EXPECT_EQ(Box(0)->palette().color(QPalette::Base), kOrange);
  EXPECT_EQ(Cues(), std::vector<int>{shell::ArmSound});

  // A single click on an idle box does nothing.
  sound_.played.clear();
  QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier, InView(Box(56)));
  EXPECT_TRUE(Idle(56));
  EXPECT_TRUE(Cues().empty());
}

// A double click that begins on an armed box captures "Mouse1" with its first
// press; the rest of it must not arm the box again and wipe the name.
TEST_F(ControlsPageTest, DoubleClickOnAnArmedBoxKeepsMouse1) {
  Arm(0);
  QTest::mouseDClick(Window(), Qt::LeftButton, Qt::NoModifier, InView(Box(0)));
  EXPECT_EQ(Box(0)->Text(), "Mouse1");
  EXPECT_TRUE(Idle(0));
  // Nor does one click soon after an arming double click and a capture.
  Arm(1);
  QTest::keyClick(Window(), Qt::Key_A);
  QTest::mousePress(Window(), Qt::LeftButton, Qt::NoModifier, InView(Box(1)), 100);
  EXPECT_EQ(Box(1)->Text(), "a");
  EXPECT_TRUE(Idle(1));
}

TEST_F(ControlsPageTest, KeyCaptureEndsAtTheRelease) {
  Arm(0);
  QTest::keyPress(Window(), Qt::Key_Shift);
  EXPECT_EQ(Box(0)->Text(), "Shift");
  EXPECT_TRUE(Box(0)->isEnabled());
  // The last key pressed counts, repeats included; Shift plays no part in its name.
  QTest::keyPress(Window(), Qt::Key_A, Qt::ShiftModifier);
  QTest::keyPress(Window(), Qt::Key_A, Qt::ShiftModifier);
  EXPECT_EQ(Box(0)->Text(), "a");
  EXPECT_TRUE(Box(0)->isEnabled());
  sound_.played.clear();
  QTest::keyRelease(Window(), Qt::Key_A, Qt::ShiftModifier);
  EXPECT_EQ(Box(0)->Text(), "a");
  EXPECT_FALSE(Box(0)->isEnabled());
  ASSERT_FALSE(Cues().empty());
  EXPECT_EQ(Cues().back(), shell::DisarmSound);
  // The focus is left to the page, not to "Done": the next key presses nothing.
  EXPECT_FALSE(Page().Command2->hasFocus());
  EXPECT_TRUE(Idle(0));
  QTest::keyClick(Window(), Qt::Key_Space);
  EXPECT_TRUE(Page().isVisible());
  EXPECT_EQ(Box(0)->Text(), "a");
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
    Arm(20);
    QTest::keyClick(Window(), c.key, c.modifiers);
    EXPECT_EQ(Box(20)->Text(), c.name);
    EXPECT_FALSE(Box(20)->isEnabled());
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
    Arm(0);
    if (c.pressReachesTheBox) QTest::sendKeyEvent(QTest::Press, Window(), c.key, QString(), {});
    QTest::sendKeyEvent(QTest::Release, Window(), c.key, QString(), {});
    EXPECT_EQ(Box(0)->Text(), c.name);
    EXPECT_FALSE(Box(0)->isEnabled());

    Arm(1);
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QApplication::sendEvent(Box(1), &query);
    EXPECT_FALSE(query.value(Qt::ImEnabled).toBool());
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("é"));
    QApplication::sendEvent(Box(1), &composed);
    EXPECT_TRUE(Box(1)->Text().isEmpty());
    QTest::keyClick(Window(), Qt::Key_E);
    EXPECT_EQ(Box(1)->Text(), "e");
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
    Arm(2);
    sound_.played.clear();
    Press(c.button, 2);
    EXPECT_EQ(Box(2)->Text(), c.name);
    EXPECT_FALSE(Box(2)->isEnabled());
    ASSERT_FALSE(Cues().empty());
    EXPECT_EQ(Cues().back(), shell::DisarmSound);
    Release(c.button, 2);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);  // no context menu
    EXPECT_EQ(Box(2)->Text(), c.name);
    EXPECT_TRUE(Idle(2));
  }
}

TEST_F(ControlsPageTest, TabIsCapturedAndEndsTheCapture) {
  Arm(5);
  QTest::keyPress(Window(), Qt::Key_Tab);
  EXPECT_EQ(Box(5)->Text(), "Tab");
  EXPECT_FALSE(Box(5)->isEnabled());
  QTest::keyRelease(Window(), Qt::Key_Tab);
  EXPECT_EQ(Box(5)->Text(), "Tab");
}

TEST_F(ControlsPageTest, ArmingAnotherBoxDisarmsTheFirst) {
  Arm(0);
  QTest::keyPress(Window(), Qt::Key_Q);
  EXPECT_EQ(Box(0)->Text(), "q");
  sound_.played.clear();
  Arm(1);
  EXPECT_EQ(Box(0)->Text(), "q");
  EXPECT_TRUE(Idle(0));
  EXPECT_TRUE(Box(1)->isEnabled());
  EXPECT_TRUE(Box(1)->hasFocus());
  EXPECT_TRUE(Box(1)->Text().isEmpty());
  EXPECT_EQ(Box(1)->palette().color(QPalette::Base), kOrange);
  std::vector<int> cues = Cues();
  std::sort(cues.begin(), cues.end());
  EXPECT_EQ(cues, (std::vector<int>{shell::ArmSound, shell::DisarmSound}));
}

TEST_F(ControlsPageTest, ANameStandsInOneBoxOnly) {
  Capture(15, Qt::Key_Space);
  EXPECT_EQ(Box(15)->Text(), "Space");
  Capture(0, Qt::Key_Space);
  EXPECT_EQ(Box(0)->Text(), "Space");
  EXPECT_TRUE(Box(15)->Text().isEmpty());
  EXPECT_TRUE(Idle(15));

  Arm(3);
  Press(Qt::LeftButton, 3);
  Release(Qt::LeftButton, 3);
  Arm(40);
  Press(Qt::LeftButton, 40);
  Release(Qt::LeftButton, 40);
  EXPECT_EQ(Box(40)->Text(), "Mouse1");
  EXPECT_TRUE(Box(3)->Text().isEmpty());
  EXPECT_EQ(Box(0)->Text(), "Space");
}

TEST_F(ControlsPageTest, ArmingEmptiesTheBox) {
  Capture(15, Qt::Key_Space);
  Arm(15);
  EXPECT_TRUE(Box(15)->Text().isEmpty());
  QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier,
                    Page().Command2->mapTo(&Page(), QPoint(5, 5)));
  EXPECT_EQ(TempFileBytes(), fresh_ + "\r\n// [ Commands ] \r\n");
}

// The player's road: a few keys and buttons, one box left armed, Done.
TEST_F(ControlsPageTest, DoneWritesTheSectionInBoxOrder) {
  Capture(15, Qt::Key_Space);
  Capture(8, Qt::Key_PageUp);
  Arm(55);
  Press(Qt::RightButton, 55);
  Release(Qt::RightButton, 55);
  Capture(129, Qt::Key_F5);
  Arm(0);
  QTest::keyPress(Window(), Qt::Key_A);  // still armed when Done is clicked
  sound_.played.clear();
  QTest::mouseClick(Window(), Qt::LeftButton, Qt::NoModifier,
                    Page().Command2->mapTo(&Page(), QPoint(5, 5)));
  EXPECT_EQ(TempFileBytes(), fresh_ +
                                 "\r\n// [ Commands ] \r\n"
                                 "bind \"a\" \"+attack\"\r\n"
                                 "bind \"pgup\" \"+forward\"\r\n"
                                 "bind \"Space\" \"+jump\"\r\n"
                                 "bind \"Mouse2\" \"+attack\"\r\n"
                                 "bind \"F5\" \"timeleft\"\r\n");
  EXPECT_EQ(Cues(), std::vector<int>{shell::DisarmSound});  // the armed box's focus loss
  EXPECT_FALSE(Main().Command2->Enabled());
  EXPECT_TRUE(Main().MainWindowInUse);
}

}  // namespace
