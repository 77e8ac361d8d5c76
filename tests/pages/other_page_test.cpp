#include "pages/other_page.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>

#include "platform/forms.h"
#include "platform/units.h"
#include "shell/main_window.h"
#include "support/gui_actions.h"
#include "support/wizard_test.h"
#include "widgets/color_picker.h"

namespace {

using testing_support::clickMenu;
using testing_support::mainWindow;
using testing_support::spinDown;
using testing_support::spinUp;
using testing_support::typeText;

class ColorPickerTest : public testing_support::WizardTest {};

TEST_F(ColorPickerTest, Presses) {
  struct Case {
    int redUp, redDown, greenDown, blueUp;
    int r, g, b;
    std::uint32_t swatch;
  };
  const Case cases[] = {
      {0, 0, 0, 0, 235, 235, 235, 0x00EBEBEB}, {4, 0, 47, 0, 255, 0, 235, 0x00EB00FF},
      {9, 0, 50, 0, 255, 0, 235, 0x00EB00FF},  // held at the ends
      {4, 0, 47, 0, 255, 0, 235, 0x00EB00FF},  {0, 47, 0, 4, 0, 235, 255, 0x00FFEB00},
      {0, 1, 0, 1, 230, 235, 240, 0x00F0EBE6},
  };
  for (const Case& c : cases) {
    QWidget page;
    widgets::ColorPicker picker(&page);
    spinUp(picker.redArrows, c.redUp);
    spinDown(picker.redArrows, c.redDown);
    spinDown(picker.greenArrows, c.greenDown);
    spinUp(picker.blueArrows, c.blueUp);
    EXPECT_EQ(picker.red(), c.r);
    EXPECT_EQ(picker.green(), c.g);
    EXPECT_EQ(picker.blue(), c.b);
    EXPECT_EQ(picker.redBox->text(), QString::number(c.r));
    EXPECT_EQ(picker.greenBox->text(), QString::number(c.g));
    EXPECT_EQ(picker.blueBox->text(), QString::number(c.b));
    EXPECT_EQ(picker.previewColor(), c.swatch);
    EXPECT_EQ(picker.swatch->palette().color(QPalette::Window), platform::bgrColor(c.swatch));
  }
  // Pure red: four up on R, 47 down on G and on B.
  QWidget page;
  widgets::ColorPicker picker(&page);
  spinUp(picker.redArrows, 4);
  spinDown(picker.greenArrows, 47);
  spinDown(picker.blueArrows, 47);
  EXPECT_EQ(picker.previewColor(), 0x000000FFu);
}

TEST_F(ColorPickerTest, TypingChangesNoLevel) {
  QWidget page;
  widgets::ColorPicker picker(&page);
  EXPECT_FALSE(picker.redBox->isReadOnly());
  picker.redBox->selectAll();
  QTest::keyClicks(picker.redBox, "12");
  EXPECT_EQ(picker.redBox->text(), QStringLiteral("12"));
  EXPECT_EQ(picker.red(), 235);
  spinDown(picker.redArrows, 1);
  EXPECT_EQ(picker.redBox->text(), QStringLiteral("230"));
}

class OtherPageTest : public testing_support::WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    shell::setPageOpener(shell::MenuPage::Other, [] { platform::showWindow<pages::OtherPage>(); });
    platform::showWindow<shell::MainWindow>();
    fresh_ = tempFileBytes();
    clickMenu(mainWindow().otherLabel);
  }
  QByteArray fresh_;
};

TEST_F(OtherPageTest, CaptionsListsAndStart) {
  pages::OtherPage& p = platform::instance<pages::OtherPage>();
  EXPECT_EQ(p.captions.size(), 15);
  EXPECT_EQ(p.captions[3]->text(),
            QStringLiteral("Идентифицирующая надпись при  наведении на игрока"));
  EXPECT_TRUE(p.nameBox->text().isEmpty());
  EXPECT_FALSE(p.nameBox->isReadOnly());
  EXPECT_EQ(p.connectionList->itemText(1), QStringLiteral("14,4 kb modem"));
  EXPECT_EQ(p.connectionList->itemText(6), QStringLiteral("Кабельное соед."));
  const int starts[] = {0, 1, 1, 1, 0, 0, 1, 0, 7, 0};
  widgets::DropDownList* lists[] = {
      p.consoleMessagesList, p.centerIdList, p.fastSwitchList,    p.radarList,
      p.netGraphList,        p.autoAimList,  p.zoomCrosshairList, p.showFpsList,
      p.connectionList,      p.menuList};
  for (int i = 0; i < 10; ++i) EXPECT_EQ(lists[i]->currentIndex(), starts[i]) << i;
}

// The player types a Cyrillic name and a server name, picks a colour and a connection.
TEST_F(OtherPageTest, TypedCyrillicReachesTheFileInCodePage1251) {
  pages::OtherPage& p = platform::instance<pages::OtherPage>();
  typeText(p.nameBox, QStringLiteral("Вася ё€"));
  typeText(p.serverNameBox, QStringLiteral("Сервер ☺"));
  spinDown(p.consoleColorPicker->redArrows, 47);
  spinUp(p.deathNoticeTimeValue->arrows, 25);
  p.connectionList->setCurrentIndex(4);
  QTest::mouseClick(p.doneButton, Qt::LeftButton);
  EXPECT_EQ(tempFileBytes(),
            fresh_ +
                "\r\n// [ Othen Setting ] \r\n"
                "name \"\xC2\xE0\xF1\xFF \xB8\x88\"\r\n"
                "hostname \"\xD1\xE5\xF0\xE2\xE5\xF0 ?\"\r\n"
                "developer \"0\"\r\nscr_conspeeder \"99999\"\r\nhud_capturemouse \"1\"\r\n"
                "hud_centerid \"1\"\r\nhud_deathnotice_time \"2.5\"\r\nhud_fastswitch \"1\"\r\n"
                "hud_saytext_time \"0\"\r\ndrawradar\r\nnet_graph \"0\"\r\nsv_aim \"0\"\r\n"
                "crosshair \"1\"\r\ncl_showfps \"0\"\r\nrate \"4200\"\r\n"
                "setinfo _vgui_menus \"0\"\r\nsetinfo vgui_menus \"0\"\r\n"
                "con_color \"0 235 235\"\r\n");
  EXPECT_FALSE(platform::instance<shell::MainWindow>().otherLabel->isActive());
}

// A name and a server name pasted with line breaks: each stays one line in the
// file, and its quotes stay as typed.
TEST_F(OtherPageTest, PastedLineBreaksNeverSplitALine) {
  pages::OtherPage& p = platform::instance<pages::OtherPage>();
  QApplication::clipboard()->setText(QStringLiteral("Bob\nquit\r\nbind w kill"));
  p.nameBox->setFocus();
  QTest::keyClick(p.nameBox, Qt::Key_V, Qt::ControlModifier);
  QApplication::clipboard()->setText(QStringLiteral("\"My\" server\r\n"));
  p.serverNameBox->setFocus();
  QTest::keyClick(p.serverNameBox, Qt::Key_V, Qt::ControlModifier);
  QTest::mouseClick(p.doneButton, Qt::LeftButton);
  const QByteArray section = tempFileBytes().mid(fresh_.size());
  EXPECT_TRUE(
      section.startsWith("\r\n// [ Othen Setting ] \r\n"
                         "name \"Bobquitbind w kill\"\r\n"
                         "hostname \"\"My\" server\"\r\n"
                         "developer \"0\"\r\n"))
      << section.toStdString();
  EXPECT_EQ(section.count('\r'), 20);  // twenty lines, every one ended by CR LF
  EXPECT_EQ(section.count('\n'), 20);
}

}  // namespace
