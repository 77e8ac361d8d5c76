#include <gtest/gtest.h>

#include <QFontInfo>
#include <QTest>

#include "pages/mouse_page.h"
#include "platform/forms.h"
#include "shell/main_window.h"
#include "support/wizard_test.h"

namespace {

using testing_support::Lines;

using pages::MouseChoices;
using pages::MouseSection;

TEST(MouseSection, StartingChoicesAndChangedOnes) {
  EXPECT_EQ(MouseSection(MouseChoices{}),
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
  EXPECT_EQ(MouseSection(changed),
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
    shell::SetPageOpener(shell::MenuPage::Mouse, [] { platform::Show<pages::SET4>(); });
    platform::Show<shell::Form4>();
    QTest::mouseClick(platform::The<shell::Form4>().Command6, Qt::LeftButton, Qt::NoModifier,
                      QPoint(2, 2));
  }
  pages::SET4& Page() { return platform::The<pages::SET4>(); }
};

TEST_F(MousePageTest, Layout) {
  pages::SET4& p = Page();
  EXPECT_TRUE(p.isVisible());
  EXPECT_TRUE(p.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(p.size(), QSize(374, 266));
  EXPECT_EQ(p.palette().color(QPalette::Window), QColor(0, 0, 0));
  EXPECT_EQ(p.Shape1->geometry(), QRect(1, 1, 372, 264));
  EXPECT_EQ(p.Shape1->BorderWidth(), 3);
  EXPECT_EQ(p.Label1->pos(), QPoint(104, 0));
  EXPECT_EQ(p.Label1->text(), QStringLiteral("Настройки мышки"));
  EXPECT_EQ(p.Label1->palette().color(QPalette::WindowText), QColor(0, 0x80, 0));
  EXPECT_EQ(p.Command2->geometry(), QRect(8, 8, 41, 19));
  EXPECT_EQ(p.Command2->text(), QStringLiteral("Done"));
  EXPECT_EQ(p.Command2->palette().color(QPalette::Button), QColor(0, 0, 255));
  EXPECT_TRUE(p.Command2->font().bold());
  EXPECT_EQ(p.Command2->font().pixelSize(), 13);

  struct Caption {
    platform::Label* label;
    const char* text;
    int top;
    QSize box;  // empty: one line sized to its text
  };
  const Caption captions[] = {
      {p.Label3, "Чувствительность мышки", 40, {}},
      {p.Label2, "Чувствительность мышки в режиме приближения", 64, {221, 45}},
      {p.Label4, "\"Сглаживание\" движения", 112, {}},
      {p.Label5, "Вертикальный реверс", 136, {}},
      {p.Label6, "Горизонтальный реверс", 160, {}},
      {p.Label7, "Стрейф мышкой", 184, {}},
      {p.Label8, "Использовать мышку для кругового обзора", 208, {205, 47}},
  };
  for (const Caption& c : captions) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(c.label->text(), QString::fromUtf8(c.text));
    EXPECT_EQ(c.label->pos(), QPoint(8, c.top));
    EXPECT_EQ(c.label->palette().color(QPalette::WindowText), QColor(0xFF, 0x80, 0));
    EXPECT_EQ(c.label->font().pixelSize(), 16);
    if (c.box.isEmpty()) {
      EXPECT_EQ(c.label->height(), 23);
      EXPECT_GE(c.label->width(), c.label->fontMetrics().horizontalAdvance(c.label->text()));
    } else {
      // The box as given, widened only where this machine's font needs it.
      EXPECT_EQ(c.label->height(), c.box.height());
      EXPECT_GE(c.label->width(), c.box.width());
      EXPECT_TRUE(c.label->wordWrap());
    }
  }
  EXPECT_EQ(p.SEN1->geometry(), QRect(280, 40, 89, 25));
  EXPECT_EQ(p.SEN2->geometry(), QRect(280, 72, 89, 25));
  EXPECT_EQ(p.SEN1->Text1->geometry(), QRect(0, 0, 64, 24));
  EXPECT_EQ(p.SEN1->B->geometry(), QRect(64, 0, 17, 23));
  const int tops[] = {112, 136, 160, 184, 208};
  platform::ComboBox* lists[] = {p.Combo1, p.Combo2, p.Combo3, p.Combo4, p.Combo5};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(lists[i]->geometry(), QRect(280, tops[i], 81, 24));
    EXPECT_EQ(lists[i]->palette().color(QPalette::Base), QColor(0, 0, 0));
    EXPECT_EQ(lists[i]->palette().color(QPalette::Text), QColor(0, 0, 0xC0));
    EXPECT_FALSE(lists[i]->isEditable());
  }
  EXPECT_EQ(p.Combo5->List(0), QStringLiteral("Нет"));
  EXPECT_EQ(p.Combo1->List(1), QStringLiteral("Вкл"));
}

TEST_F(MousePageTest, StartingIndexesAndTabOrder) {
  pages::SET4& p = Page();
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
  pages::SET4& p = Page();
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
  EXPECT_FALSE(platform::The<shell::Form4>().Command6->Enabled());
  EXPECT_TRUE(platform::The<shell::Form4>().MainWindowInUse);
}

}  // namespace
