#include "pages/mouse_page.h"

#include <gtest/gtest.h>

#include <QTest>

#include "platform/forms.h"
#include "shell/main_window.h"
#include "support/gui_actions.h"
#include "support/wizard_test.h"

namespace {

using testing_support::clickMenu;
using testing_support::mainWindow;
using testing_support::spinUp;

class MousePageTest : public testing_support::WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    shell::setPageOpener(shell::MenuPage::Mouse, [] { platform::showWindow<pages::MousePage>(); });
    platform::showWindow<shell::MainWindow>();
    clickMenu(mainWindow().mouseLabel);
  }
  pages::MousePage& page() { return platform::instance<pages::MousePage>(); }
};

TEST_F(MousePageTest, CaptionsAndLists) {
  pages::MousePage& p = page();
  EXPECT_TRUE(p.isVisible());
  EXPECT_EQ(p.titleCaption->text(), QStringLiteral("Настройки мышки"));
  EXPECT_EQ(p.doneButton->text(), QStringLiteral("Done"));
  const std::pair<widgets::Caption*, const char*> captions[] = {
      {p.sensitivityCaption, "Чувствительность мышки"},
      {p.zoomSensitivityCaption, "Чувствительность мышки в режиме приближения"},
      {p.filterCaption, "\"Сглаживание\" движения"},
      {p.pitchReverseCaption, "Вертикальный реверс"},
      {p.yawReverseCaption, "Горизонтальный реверс"},
      {p.lookStrafeCaption, "Стрейф мышкой"},
      {p.mouseLookCaption, "Использовать мышку для кругового обзора"},
  };
  for (const auto& [label, text] : captions) EXPECT_EQ(label->text(), QString::fromUtf8(text));
  for (widgets::DropDownList* list :
       {p.filterList, p.pitchReverseList, p.yawReverseList, p.lookStrafeList, p.mouseLookList}) {
    EXPECT_FALSE(list->isEditable());
  }
  EXPECT_EQ(p.mouseLookList->itemText(0), QStringLiteral("Нет"));
  EXPECT_EQ(p.filterList->itemText(1), QStringLiteral("Вкл"));
}

TEST_F(MousePageTest, StartingIndexesAndTabOrder) {
  pages::MousePage& p = page();
  EXPECT_EQ(p.filterList->currentIndex(), 1);
  EXPECT_EQ(p.pitchReverseList->currentIndex(), 1);
  EXPECT_EQ(p.yawReverseList->currentIndex(), 0);
  EXPECT_EQ(p.lookStrafeList->currentIndex(), 0);
  EXPECT_EQ(p.mouseLookList->currentIndex(), 1);
  // Tab walks the sensitivity's box, its arrows, the zoomed sensitivity's box, ... then Done.
  QWidget* order[] = {p.sensitivityValue->valueBox,
                      p.sensitivityValue->arrows,
                      p.zoomSensitivityValue->valueBox,
                      p.zoomSensitivityValue->arrows,
                      p.filterList,
                      p.pitchReverseList,
                      p.yawReverseList,
                      p.lookStrafeList,
                      p.mouseLookList,
                      p.doneButton};
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
  const QByteArray fresh = tempFileBytes();
  pages::MousePage& p = page();
  spinUp(p.sensitivityValue, 15, 4);
  p.mouseLookList->setCurrentIndex(0);
  QTest::mouseClick(p.doneButton, Qt::LeftButton);
  EXPECT_EQ(tempFileBytes(), fresh +
                                 "\r\n// [ Mouse Setting ] \r\n"
                                 "sensitivity \"1.5\"\r\nzoom_sensitivity_ratio \"0\"\r\n"
                                 "m_filter \"1\"\r\nm_pitch \"-0.022\"\r\nm_yaw \"0.022\"\r\n"
                                 "lookstrafe \"0\"\r\n-mlook\r\nm_forward \"1\"\r\n"
                                 "m_side \"0.8\"\r\nlookspring \"0\"\r\ndefault_fov \"110\"\r\n");
  EXPECT_FALSE(platform::instance<shell::MainWindow>().mouseLabel->isActive());
  EXPECT_TRUE(platform::instance<shell::MainWindow>().isInUse());
}

}  // namespace
