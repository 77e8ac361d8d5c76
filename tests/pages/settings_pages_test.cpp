#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QImage>
#include <QTest>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/pages.h"
#include "pages/mouse_page.h"
#include "pages/other_page.h"
#include "pages/player_page.h"
#include "pages/sound_page.h"
#include "pages/video_page.h"
#include "platform/forms.h"
#include "shell/main_window.h"
#include "support/gui_actions.h"
#include "support/wizard_test.h"
#include "widgets/caption.h"
#include "widgets/drop_down_list.h"

namespace {

using testing_support::click;
using testing_support::mainWindow;
using testing_support::spinDown;
using testing_support::spinUp;

QByteArray bytes(const QString& header, std::initializer_list<const char*> lines) {
  QByteArray out = "\r\n" + header.toLatin1() + "\r\n";
  for (const char* line : lines) out += QByteArray(line) + "\r\n";
  return out;
}

// The three pages through the real windows.
class SettingsPagesTest : public testing_support::WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    shell::setPageOpener(shell::MenuPage::Video, [] { platform::showWindow<pages::VideoPage>(); });
    shell::setPageOpener(shell::MenuPage::Sound, [] { platform::showWindow<pages::SoundPage>(); });
    shell::setPageOpener(shell::MenuPage::Player,
                         [] { platform::showWindow<pages::PlayerPage>(); });
    platform::showWindow<shell::MainWindow>();
    fresh_ = tempFileBytes();
  }
  QByteArray fresh_;
};

TEST_F(SettingsPagesTest, ThreePagesInAnyOrderAppendInCompletionOrder) {
  click(mainWindow().playerLabel);  // Игрока
  pages::PlayerPage& player = platform::instance<pages::PlayerPage>();
  EXPECT_EQ(player.sideSpeedCaption->text(),
            QStringLiteral("Скорость смешения игрока влево и вправо"));
  spinUp(player.forwardSpeedValue, 40, 3);  // to the limit: the page writes 800
  spinDown(player.backSpeedValue, 1, 3);
  player.rightHandList->setCurrentIndex(0);
  click(player.doneButton);

  click(mainWindow().videoLabel);  // Видео
  pages::VideoPage& video = platform::instance<pages::VideoPage>();
  EXPECT_EQ(video.rowCaptions.size(), 12);
  EXPECT_EQ(video.rowCaptions[7]->text(), QString::fromUtf8("Поддержка \xD0\x9C\xD0\x9C\xD0\xA5"));
  spinUp(video.gammaValue, 4, 3);
  spinDown(video.brightnessValue, 1, 3);
  spinUp(video.decalsValue, 2, 3);
  video.bloodList->setCurrentIndex(0);
  video.smokeRealismList->setCurrentIndex(2);
  click(video.doneButton);

  click(mainWindow().soundLabel);  // Аудио
  pages::SoundPage& sound = platform::instance<pages::SoundPage>();
  EXPECT_EQ(sound.volumeValue->valueBox->text(), QStringLiteral("0%"));
  spinUp(sound.volumeValue, 37, 3);
  sound.effects3dList->setCurrentIndex(1);
  click(sound.doneButton);

  EXPECT_EQ(dialogs_.boxes.size(), 1u);  // the speed's limit message
  EXPECT_FALSE(mainWindow().videoLabel->isActive());
  EXPECT_FALSE(mainWindow().soundLabel->isActive());
  EXPECT_FALSE(mainWindow().playerLabel->isActive());
  EXPECT_EQ(
      tempFileBytes(),
      fresh_ +
          bytes(QStringLiteral("// [ Player Setting ] "),
                {"cl_bob \"0.01\"", "cl_bobup \"0.5\"", "cl_bobcycle \"0.8\"",
                 "cl_forwardspeed \"800\"", "cl_backspeed \"390\"", "cl_sidespeed \"400\"",
                 "cl_righthand \"0\"", "cl_observercrosshair \"0\""}) +
          bytes(QStringLiteral("// [ Video Setting ] "),
                {"gamma \"5\"",          "brightness \"1\"",      "texgamma \"1\"",
                 "max_smokepuffs \"0\"", "r_decals \"2\"",        "gl_spriteblend \"0\"",
                 "cl_himodels \"1\"",    "r_dynamic \"1\"",       "r_mmx \"1\"",
                 "fastsprites \"2\"",    "violence_ablood \"0\"", "violence_hblood \"0\"",
                 "gl_lightholes \"1\"",  "max_shells \"0\"",      "fps_max \"99\"",
                 "violence_hgibs \"1\"", "violence_agibs \"1\"",  "sv_maxspeed \"320\"",
                 "viewsize \"120\"",     "gl_round_down \"3\"",   "gl_max_size \"256\"",
                 "gl_flipmatrix \"0\"",  "mp_decals \"256\"",     "gl_monolights \"0\""}) +
          bytes(QStringLiteral("// [ Sound Setting ] "),
                {"volume \"0.37\"", "hisound \"1\"", "loadas8bit \"0\"", "bgmvolume \"0\"",
                 "s_a3d \"1\"", "s_eax \"1\"", "s_geometry \"1\"", "s_distance \"60\"",
                 "_snd_mixahead \"0.1\"", "s_distance \"60\"", "s_automin_distance \"2\"",
                 "s_automax_distance \"30\"", "s_min_distance \"8\"", "s_max_distance \"1000\""}));
}

TEST_F(SettingsPagesTest, StartingIndexes) {
  click(mainWindow().videoLabel);
  pages::VideoPage& v = platform::instance<pages::VideoPage>();
  EXPECT_EQ((std::vector<int>{v.crosshairList->currentIndex(), v.hiModelsList->currentIndex(),
                              v.dynamicLightList->currentIndex(), v.mmxList->currentIndex(),
                              v.smokeRealismList->currentIndex(), v.bloodList->currentIndex(),
                              v.mode3dfxList->currentIndex()}),
            (std::vector<int>{0, 1, 1, 1, 0, 1, 1}));
  click(v.doneButton);
  click(mainWindow().soundLabel);
  pages::SoundPage& s = platform::instance<pages::SoundPage>();
  EXPECT_EQ(
      (std::vector<int>{s.hiSoundList->currentIndex(), s.load8bitList->currentIndex(),
                        s.effects3dList->currentIndex(), s.voiceMessagesList->currentIndex()}),
      (std::vector<int>{1, 0, 0, 1}));
  EXPECT_EQ(s.load8bitList->itemText(0), QStringLiteral("Да"));
  click(s.doneButton);
  click(mainWindow().playerLabel);
  pages::PlayerPage& p = platform::instance<pages::PlayerPage>();
  EXPECT_EQ((std::vector<int>{p.bobList->currentIndex(), p.observerCrosshairList->currentIndex(),
                              p.rightHandList->currentIndex()}),
            (std::vector<int>{1, 0, 1}));
}

// Every page through the menu as the player opens it.
class EveryPageTest : public testing_support::PagesTest {};

using Stops = std::vector<std::pair<std::string, QWidget*>>;

// A value widget takes the focus in its box, then in its arrows.
void addValue(Stops& stops, const std::string& name, widgets::ValueWidget* w) {
  stops.push_back({name + ".box", w->valueBox});
  stops.push_back({name + ".arrows", w->arrows});
}

std::string nameOf(const Stops& stops, QWidget* w) {
  for (const auto& [name, widget] : stops) {
    if (widget == w) return name;
  }
  return w == nullptr ? "nothing" : std::string("a ") + w->metaObject()->className();
}

// Tab from the opening walks each page in its order and comes back to the first.
TEST_F(EveryPageTest, TabWalksEachPageInItsOrderFromTheOpening) {
  struct Walk {
    const char* page;
    widgets::Caption* shell::MainWindow::*menu;
    std::function<Stops()> order;
  };
  const Walk walks[] = {
      {"video", &shell::MainWindow::videoLabel,
       [] {
         pages::VideoPage& p = platform::instance<pages::VideoPage>();
         Stops s;
         addValue(s, "gammaValue", p.gammaValue);
         addValue(s, "brightnessValue", p.brightnessValue);
         s.push_back({"crosshairList", p.crosshairList});
         addValue(s, "texGammaValue", p.texGammaValue);
         s.insert(s.end(), {{"smokeRealismList", p.smokeRealismList},
                            {"bloodList", p.bloodList},
                            {"mode3dfxList", p.mode3dfxList}});
         addValue(s, "smokePuffsValue", p.smokePuffsValue);
         addValue(s, "decalsValue", p.decalsValue);
         s.insert(s.end(), {{"mmxList", p.mmxList},
                            {"dynamicLightList", p.dynamicLightList},
                            {"hiModelsList", p.hiModelsList},
                            {"doneButton", p.doneButton}});
         return s;
       }},
      {"mouse", &shell::MainWindow::mouseLabel,
       [] {
         pages::MousePage& p = platform::instance<pages::MousePage>();
         Stops s;
         addValue(s, "sensitivityValue", p.sensitivityValue);
         addValue(s, "zoomSensitivityValue", p.zoomSensitivityValue);
         s.insert(s.end(), {{"filterList", p.filterList},
                            {"pitchReverseList", p.pitchReverseList},
                            {"yawReverseList", p.yawReverseList},
                            {"lookStrafeList", p.lookStrafeList},
                            {"mouseLookList", p.mouseLookList},
                            {"doneButton", p.doneButton}});
         return s;
       }},
      {"sound", &shell::MainWindow::soundLabel,
       [] {
         pages::SoundPage& p = platform::instance<pages::SoundPage>();
         Stops s;
         addValue(s, "volumeValue", p.volumeValue);
         s.insert(s.end(), {{"load8bitList", p.load8bitList}, {"hiSoundList", p.hiSoundList}});
         addValue(s, "cdVolumeValue", p.cdVolumeValue);
         s.insert(s.end(), {{"effects3dList", p.effects3dList},
                            {"voiceMessagesList", p.voiceMessagesList},
                            {"doneButton", p.doneButton}});
         return s;
       }},
      {"player", &shell::MainWindow::playerLabel,
       [] {
         pages::PlayerPage& p = platform::instance<pages::PlayerPage>();
         Stops s{{"bobList", p.bobList}, {"observerCrosshairList", p.observerCrosshairList}};
         addValue(s, "backSpeedValue", p.backSpeedValue);
         addValue(s, "forwardSpeedValue", p.forwardSpeedValue);
         addValue(s, "sideSpeedValue", p.sideSpeedValue);
         s.insert(s.end(), {{"rightHandList", p.rightHandList}, {"doneButton", p.doneButton}});
         return s;
       }},
      {"other", &shell::MainWindow::otherLabel,
       [] {
         pages::OtherPage& p = platform::instance<pages::OtherPage>();
         Stops s{{"nameBox", p.nameBox},
                 {"serverNameBox", p.serverNameBox},
                 {"consoleMessagesList", p.consoleMessagesList},
                 {"centerIdList", p.centerIdList}};
         addValue(s, "deathNoticeTimeValue", p.deathNoticeTimeValue);
         s.push_back({"fastSwitchList", p.fastSwitchList});
         addValue(s, "sayTextTimeValue", p.sayTextTimeValue);
         s.insert(s.end(), {{"radarList", p.radarList},
                            {"netGraphList", p.netGraphList},
                            {"autoAimList", p.autoAimList},
                            {"zoomCrosshairList", p.zoomCrosshairList},
                            {"showFpsList", p.showFpsList},
                            {"connectionList", p.connectionList}});
         // The colour picker: its spin buttons R, G, B, then its boxes.
         widgets::ColorPicker* c = p.consoleColorPicker;
         s.insert(s.end(), {{"consoleColorPicker.redArrows", c->redArrows},
                            {"consoleColorPicker.greenArrows", c->greenArrows},
                            {"consoleColorPicker.blueArrows", c->blueArrows},
                            {"consoleColorPicker.redBox", c->redBox},
                            {"consoleColorPicker.greenBox", c->greenBox},
                            {"consoleColorPicker.blueBox", c->blueBox}});
         s.insert(s.end(), {{"menuList", p.menuList}, {"doneButton", p.doneButton}});
         return s;
       }},
  };
  for (const Walk& walk : walks) {
    SCOPED_TRACE(walk.page);
    QTest::mouseClick(mainWindow().*walk.menu, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    const Stops order = walk.order();
    QWidget* page = order.front().second->window();
    ASSERT_TRUE(QTest::qWaitForWindowActive(page));
    std::vector<std::string> expected, walked;
    for (const auto& stop : order) expected.push_back(stop.first);
    walked.push_back(nameOf(order, QApplication::focusWidget()));
    for (std::size_t i = 0; i < order.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      walked.push_back(nameOf(order, QApplication::focusWidget()));
    }
    expected.push_back(expected.front());  // round again
    EXPECT_EQ(walked, expected);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(nameOf(order, QApplication::focusWidget()), "doneButton");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);  // presses Done
    EXPECT_FALSE((mainWindow().*walk.menu)->isActive());
  }
}

// An open list shows the list's colours, black with its text in 0x00C00000;
// only the chosen row keeps the system's highlight.
TEST_F(EveryPageTest, OpenListsShowTheirOwnColours) {
  struct Page {
    const char* name;
    widgets::Caption* shell::MainWindow::*menu;
    pages::SettingsPage& (*window)();
  };
  const Page menus[] = {
      {"video", &shell::MainWindow::videoLabel,
       []() -> pages::SettingsPage& { return platform::instance<pages::VideoPage>(); }},
      {"mouse", &shell::MainWindow::mouseLabel,
       []() -> pages::SettingsPage& { return platform::instance<pages::MousePage>(); }},
      {"sound", &shell::MainWindow::soundLabel,
       []() -> pages::SettingsPage& { return platform::instance<pages::SoundPage>(); }},
      {"player", &shell::MainWindow::playerLabel,
       []() -> pages::SettingsPage& { return platform::instance<pages::PlayerPage>(); }},
      {"other", &shell::MainWindow::otherLabel,
       []() -> pages::SettingsPage& { return platform::instance<pages::OtherPage>(); }},
  };
  const QColor black(0, 0, 0), text(0, 0, 0xC0);
  for (const Page& page : menus) {
    SCOPED_TRACE(page.name);
    QTest::mouseClick(mainWindow().*page.menu, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    pages::SettingsPage& window = page.window();
    ASSERT_TRUE(window.isVisible());
    const auto lists = window.findChildren<widgets::DropDownList*>();
    ASSERT_FALSE(lists.isEmpty());
    for (widgets::DropDownList* list : lists) {
      list->showPopup();
      QAbstractItemView* view = list->view();
      QWidget* popup = view->window();
      ASSERT_TRUE(popup->isVisible());
      const QRect row = view->visualRect(view->currentIndex());
      const QRect chosen(view->viewport()->mapTo(popup, row.topLeft()), row.size());
      const QImage image = popup->grab().toImage();
      int blackPixels = 0, textPixels = 0, otherPixels = 0;
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
          if (chosen.contains(x, y)) continue;
          const QColor c = image.pixelColor(x, y);
          if (c == black) {
            ++blackPixels;
          } else if (c == text) {
            ++textPixels;
          } else if (c.red() != 0 || c.green() != 0) {
            ++otherPixels;  // neither the background nor the text, nor between them
          }
        }
      }
      EXPECT_GT(textPixels, 0) << list->itemText(0).toStdString();
      EXPECT_GT(blackPixels, textPixels) << list->itemText(0).toStdString();
      EXPECT_EQ(otherPixels, 0) << list->itemText(0).toStdString();
      list->hidePopup();
    }
    QTest::mouseClick(window.doneButton, Qt::LeftButton);
  }
}

}  // namespace
