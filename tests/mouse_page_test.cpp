#include "pages/mouse_page.h"

#include <gtest/gtest.h>

#include <QTest>

#include "platform/forms.h"
#include "shell/main_window.h"
#include "support/wizard_test.h"

namespace {

using testing_support::Lines;

using pages::MouseChoices;
using pages::MouseSection;

TEST(MouseSection, StartingChoicesAndChangedOnes) {
  EXPECT_EQ(
      MouseSection(MouseChoices{}),
      Lines({"sensitivity \"0\"", "zoom_sensitivity_ratio \"0\"", "m_filter \"1\"",
             "m_pitch \"-0.022\"", "m_yaw \"0.022\"", "lookstrafe \"0\"", "+mlook",
             "m_forward \"1\"", "m_side \"0.8\"", "lookspring \"0\"", "default_fov \"110\""}));

  MouseChoices changed;
  changed.sensitivity = QStringLiteral("1.5");
  changed.zoomSensitivity = QStringLiteral("10");
  changed.filter = 0;
  changed.pitchReverse = 0;
  changed.yawReverse = 1;
  changed.lookStrafe = 1;
  changed.mouseLook = 0;
  EXPECT_EQ(
      MouseSection(changed),
      Lines({"sensitivity \"1.5\"", "zoom_sensitivity_ratio \"10\"", "m_filter \"0\"",
             "m_pitch \"0.022\"", "m_yaw \"-0.022\"", "lookstrafe \"1\"", "-mlook",
             "m_forward \"1\"", "m_side \"0.8\"", "lookspring \"0\"", "default_fov \"110\""}));

  // No selection: only index 0 takes the first text.
  MouseChoices none{QStringLiteral("0"), QStringLiteral("0"), -1, -1, -1, -1, -1};
  const QStringList lines = MouseSection(none);
  EXPECT_EQ(lines[2], QStringLiteral("m_filter \"-1\""));
  EXPECT_EQ(lines[3], QStringLiteral("m_pitch \"-0.022\""));
  EXPECT_EQ(lines[4], QStringLiteral("m_yaw \"-0.022\""));
  EXPECT_EQ(lines[5], QStringLiteral("lookstrafe \"-1\""));
  EXPECT_EQ(lines[6], QStringLiteral("+mlook"));
}

class MousePageTest : public testing_support::WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    shell::setPageOpener(shell::MenuPage::Mouse, [] { platform::Show<pages::MousePage>(); });
    platform::Show<shell::MainWindow>();
    QTest::mouseClick(platform::The<shell::MainWindow>().mouseLabel, Qt::LeftButton, Qt::NoModifier,
                      QPoint(2, 2));
  }
  pages::MousePage& Page() { return platform::The<pages::MousePage>(); }
};

TEST_F(MousePageTest, CaptionsAndLists) {
  pages::MousePage& p = Page();
  EXPECT_TRUE(p.isVisible());
  EXPECT_EQ(p.Label1->text(), QStringLiteral("Настройки мышки"));
  EXPECT_EQ(p.Command2->text(), QStringLiteral("Done"));
  const std::pair<platform::Label*, const char*> captions[] = {
      {p.Label3, "Чувствительность мышки"},
      {p.Label2, "Чувствительность мышки в режиме приближения"},
      {p.Label4, "\"Сглаживание\" движения"},
      {p.Label5, "Вертикальный реверс"},
      {p.Label6, "Горизонтальный реверс"},
      {p.Label7, "Стрейф мышкой"},
      {p.Label8, "Использовать мышку для кругового обзора"},
  };
  for (const auto& [label, text] : captions) EXPECT_EQ(label->text(), QString::fromUtf8(text));
  for (platform::ComboBox* list : {p.Combo1, p.Combo2, p.Combo3, p.Combo4, p.Combo5}) {
    EXPECT_FALSE(list->isEditable());
  }
  EXPECT_EQ(p.Combo5->List(0), QStringLiteral("Нет"));
  EXPECT_EQ(p.Combo1->List(1), QStringLiteral("Вкл"));
}

TEST_F(MousePageTest, StartingIndexesAndTabOrder) {
  pages::MousePage& p = Page();
  EXPECT_EQ(p.Combo1->ListIndex(), 1);
  EXPECT_EQ(p.Combo2->ListIndex(), 1);
  EXPECT_EQ(p.Combo3->ListIndex(), 0);
  EXPECT_EQ(p.Combo4->ListIndex(), 0);
  EXPECT_EQ(p.Combo5->ListIndex(), 1);
  // Tab walks SEN1's box, its arrows, SEN2's box, ... then Done.
  QWidget* order[] = {p.SEN1->Text1, p.SEN1->B, p.SEN2->Text1, p.SEN2->B, p.Combo1,
                      p.Combo2,      p.Combo3,  p.Combo4,      p.Combo5,  p.Command2};
  for (int i = 0; i + 1 < int(std::size(order)); ++i) {
    QWidget* next = order[i]->nextInFocusChain();
    while (!(next->focusPolicy() & Qt::TabFocus) || !next->isVisibleTo(&p)) {
      next = next->nextInFocusChain();
    }
    EXPECT_EQ(next, order[i + 1]) << i;
  }
}

// The player's road: sensitivity 1.5, one list changed, Done.
TEST_F(MousePageTest, DoneWritesTheSectionAfterTheTemplate) {
  const QByteArray fresh = TempFileBytes();
  pages::MousePage& p = Page();
  for (int i = 0; i < 15; ++i) {
    QTest::mouseClick(p.SEN1->B, Qt::LeftButton, Qt::NoModifier, QPoint(4, 2));
  }
  p.Combo5->SetListIndex(0);
  QTest::mouseClick(p.Command2, Qt::LeftButton);
  EXPECT_EQ(TempFileBytes(), fresh +
                                 "\r\n// [ Mouse Setting ] \r\n"
                                 "sensitivity \"1.5\"\r\nzoom_sensitivity_ratio \"0\"\r\n"
                                 "m_filter \"1\"\r\nm_pitch \"-0.022\"\r\nm_yaw \"0.022\"\r\n"
                                 "lookstrafe \"0\"\r\n-mlook\r\nm_forward \"1\"\r\n"
                                 "m_side \"0.8\"\r\nlookspring \"0\"\r\ndefault_fov \"110\"\r\n");
  EXPECT_FALSE(platform::The<shell::MainWindow>().mouseLabel->Enabled());
  EXPECT_TRUE(platform::The<shell::MainWindow>().isInUse());
}

}  // namespace
