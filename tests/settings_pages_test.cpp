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
#include "platform/inputs.h"
#include "shell/main_window.h"
#include "support/wizard_test.h"

namespace {

using testing_support::Lines;

QByteArray Bytes(const QString& header, std::initializer_list<const char*> lines) {
  QByteArray out = "\r\n" + header.toLatin1() + "\r\n";
  for (const char* line : lines) out += QByteArray(line) + "\r\n";
  return out;
}

TEST(VideoSection, StartingAndChangedChoices) {
  EXPECT_EQ(pages::VideoSection({}),
            Lines({"gamma \"1\"",          "brightness \"1\"",      "texgamma \"1\"",
                   "max_smokepuffs \"0\"", "r_decals \"0\"",        "gl_spriteblend \"0\"",
                   "cl_himodels \"1\"",    "r_dynamic \"1\"",       "r_mmx \"1\"",
                   "fastsprites \"0\"",    "violence_ablood \"1\"", "violence_hblood \"1\"",
                   "gl_lightholes \"1\"",  "max_shells \"0\"",      "fps_max \"99\"",
                   "violence_hgibs \"1\"", "violence_agibs \"1\"",  "sv_maxspeed \"320\"",
                   "viewsize \"120\"",     "gl_round_down \"3\"",   "gl_max_size \"256\"",
                   "gl_flipmatrix \"0\"",  "mp_decals \"256\"",     "gl_monolights \"0\""}));
  pages::VideoChoices c;
  c.gamma = QStringLiteral("21000");
  c.brightness = QStringLiteral("-3");
  c.smokeRealism = 2;
  c.blood = 0;
  c.mode3dfx = 0;
  c.crosshair = 1;
  c.hiModels = -1;
  const QStringList lines = pages::VideoSection(c);
  EXPECT_EQ(lines[0], QStringLiteral("gamma \"21000\""));
  EXPECT_EQ(lines[1], QStringLiteral("brightness \"-3\""));
  EXPECT_EQ(lines[5], QStringLiteral("gl_spriteblend \"1\""));
  EXPECT_EQ(lines[6], QStringLiteral("cl_himodels \"-1\""));
  EXPECT_EQ(lines[9], QStringLiteral("fastsprites \"2\""));
  EXPECT_EQ(lines[10], QStringLiteral("violence_ablood \"0\""));
  EXPECT_EQ(lines[11], QStringLiteral("violence_hblood \"0\""));
  EXPECT_EQ(lines[12], QStringLiteral("gl_lightholes \"0\""));
  EXPECT_EQ(lines.mid(13), pages::VideoSection({}).mid(13));  // the fixed lines stay
}

TEST(SoundSection, StartingAndChangedChoices) {
  EXPECT_EQ(
      pages::SoundSection({}),
      Lines({"volume \"0\"", "hisound \"1\"", "loadas8bit \"0\"", "bgmvolume \"0\"", "s_a3d \"0\"",
             "s_eax \"0\"", "s_geometry \"0\"", "s_distance \"60\"", "_snd_mixahead \"0.1\"",
             "s_distance \"60\"", "s_automin_distance \"2\"", "s_automax_distance \"30\"",
             "s_min_distance \"8\"", "s_max_distance \"1000\""}));
  for (int effects : {1, -1}) {
    const QStringList lines =
        pages::SoundSection({QStringLiteral("0.37"), QStringLiteral("1"), 0, 1, effects});
    EXPECT_EQ(lines.mid(0, 7),
              Lines({"volume \"0.37\"", "hisound \"0\"", "loadas8bit \"1\"", "bgmvolume \"1\"",
                     "s_a3d \"1\"", "s_eax \"1\"", "s_geometry \"1\""}));
  }
}

TEST(PlayerSection, StartingAndChangedChoices) {
  EXPECT_EQ(pages::PlayerSection({}),
            Lines({"cl_bob \"0.01\"", "cl_bobup \"0.5\"", "cl_bobcycle \"0.8\"",
                   "cl_forwardspeed \"400\"", "cl_backspeed \"400\"", "cl_sidespeed \"400\"",
                   "cl_righthand \"1\"", "cl_observercrosshair \"0\""}));
  const QStringList lines = pages::PlayerSection(
      {0, 0, 1, QStringLiteral("390"), QStringLiteral("800"), QStringLiteral("0")});
  EXPECT_EQ(lines, Lines({"cl_bob \"0\"", "cl_bobup \"0.5\"", "cl_bobcycle \"0.8\"",
                          "cl_forwardspeed \"800\"", "cl_backspeed \"390\"", "cl_sidespeed \"0\"",
                          "cl_righthand \"0\"", "cl_observercrosshair \"1\""}));
  EXPECT_EQ(pages::PlayerSection({-1}).first(), QStringLiteral("cl_bob \"0.01\""));
}

// The three pages through the real windows.
class SettingsPagesTest : public testing_support::WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    shell::setPageOpener(shell::MenuPage::Video, [] { platform::Show<pages::VideoPage>(); });
    shell::setPageOpener(shell::MenuPage::Sound, [] { platform::Show<pages::SoundPage>(); });
    shell::setPageOpener(shell::MenuPage::Player, [] { platform::Show<pages::PlayerPage>(); });
    platform::Show<shell::MainWindow>();
    fresh_ = TempFileBytes();
  }
  void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3)); }
  void Up(widgets::ValueWidget* w, int times) {
    for (int i = 0; i < times; ++i) Click(w->B);
  }
  void Down(widgets::ValueWidget* w, int times) {
    for (int i = 0; i < times; ++i) {
      QTest::mouseClick(w->B, Qt::LeftButton, Qt::NoModifier, QPoint(3, w->B->height() - 3));
    }
  }
  shell::MainWindow& Main() { return platform::The<shell::MainWindow>(); }
  QByteArray fresh_;
};

TEST_F(SettingsPagesTest, ThreePagesInAnyOrderAppendInCompletionOrder) {
  Click(Main().playerLabel);  // Игрока
  pages::PlayerPage& player = platform::The<pages::PlayerPage>();
  EXPECT_EQ(player.Label6->text(), QStringLiteral("Скорость смешения игрока влево и вправо"));
  Up(player.SPEED2, 40);  // to the limit: the page writes 800
  Down(player.SPEED1, 1);
  player.Combo3->SetListIndex(0);
  Click(player.Command2);

  Click(Main().videoLabel);  // Видео
  pages::VideoPage& video = platform::The<pages::VideoPage>();
  EXPECT_EQ(video.Label2.size(), 12);
  EXPECT_EQ(video.Label2[7]->text(), QString::fromUtf8("Поддержка \xD0\x9C\xD0\x9C\xD0\xA5"));
  Up(video.UPDW1, 4);
  Down(video.UPDW2, 1);
  Up(video.UPDW03, 2);
  video.Combo7->SetListIndex(0);
  video.Combo6->SetListIndex(2);
  Click(video.Command2);

  Click(Main().soundLabel);  // Аудио
  pages::SoundPage& sound = platform::The<pages::SoundPage>();
  EXPECT_EQ(sound.Volume1->Text1->Text(), QStringLiteral("0%"));
  Up(sound.Volume1, 37);
  sound.Combo3->SetListIndex(1);
  Click(sound.Command2);

  EXPECT_EQ(dialogs_.boxes.size(), 1u);  // SPEED's limit message
  EXPECT_FALSE(Main().videoLabel->Enabled());
  EXPECT_FALSE(Main().soundLabel->Enabled());
  EXPECT_FALSE(Main().playerLabel->Enabled());
  EXPECT_EQ(
      TempFileBytes(),
      fresh_ +
          Bytes(QStringLiteral("// [ Player Setting ] "),
                {"cl_bob \"0.01\"", "cl_bobup \"0.5\"", "cl_bobcycle \"0.8\"",
                 "cl_forwardspeed \"800\"", "cl_backspeed \"390\"", "cl_sidespeed \"400\"",
                 "cl_righthand \"0\"", "cl_observercrosshair \"0\""}) +
          Bytes(QStringLiteral("// [ Video Setting ] "),
                {"gamma \"5\"",          "brightness \"1\"",      "texgamma \"1\"",
                 "max_smokepuffs \"0\"", "r_decals \"2\"",        "gl_spriteblend \"0\"",
                 "cl_himodels \"1\"",    "r_dynamic \"1\"",       "r_mmx \"1\"",
                 "fastsprites \"2\"",    "violence_ablood \"0\"", "violence_hblood \"0\"",
                 "gl_lightholes \"1\"",  "max_shells \"0\"",      "fps_max \"99\"",
                 "violence_hgibs \"1\"", "violence_agibs \"1\"",  "sv_maxspeed \"320\"",
                 "viewsize \"120\"",     "gl_round_down \"3\"",   "gl_max_size \"256\"",
                 "gl_flipmatrix \"0\"",  "mp_decals \"256\"",     "gl_monolights \"0\""}) +
          Bytes(QStringLiteral("// [ Sound Setting ] "),
                {"volume \"0.37\"", "hisound \"1\"", "loadas8bit \"0\"", "bgmvolume \"0\"",
                 "s_a3d \"1\"", "s_eax \"1\"", "s_geometry \"1\"", "s_distance \"60\"",
                 "_snd_mixahead \"0.1\"", "s_distance \"60\"", "s_automin_distance \"2\"",
                 "s_automax_distance \"30\"", "s_min_distance \"8\"", "s_max_distance \"1000\""}));
}

TEST_F(SettingsPagesTest, StartingIndexes) {
  Click(Main().videoLabel);
  pages::VideoPage& v = platform::The<pages::VideoPage>();
  EXPECT_EQ((std::vector<int>{v.Combo1->ListIndex(), v.Combo3->ListIndex(), v.Combo4->ListIndex(),
                              v.Combo5->ListIndex(), v.Combo6->ListIndex(), v.Combo7->ListIndex(),
                              v.Combo8->ListIndex()}),
            (std::vector<int>{0, 1, 1, 1, 0, 1, 1}));
  Click(v.Command2);
  Click(Main().soundLabel);
  pages::SoundPage& s = platform::The<pages::SoundPage>();
  EXPECT_EQ((std::vector<int>{s.Combo1->ListIndex(), s.Combo2->ListIndex(), s.Combo3->ListIndex(),
                              s.Combo4->ListIndex()}),
            (std::vector<int>{1, 0, 0, 1}));
  EXPECT_EQ(s.Combo2->List(0), QStringLiteral("Да"));
  Click(s.Command2);
  Click(Main().playerLabel);
  pages::PlayerPage& p = platform::The<pages::PlayerPage>();
  EXPECT_EQ((std::vector<int>{p.Combo1->ListIndex(), p.Combo2->ListIndex(), p.Combo3->ListIndex()}),
            (std::vector<int>{1, 0, 1}));
}

// Every page through the menu as the player opens it.
class EveryPageTest : public testing_support::WizardTest {
 protected:
  void SetUp() override {
    WizardTest::SetUp();
    app::registerPages();
    platform::Show<shell::MainWindow>();
  }
  shell::MainWindow& Main() { return platform::The<shell::MainWindow>(); }
};

using Stops = std::vector<std::pair<std::string, QWidget*>>;

// A value widget takes the focus in its box, then in its arrows.
void AddValue(Stops& stops, const std::string& name, widgets::ValueWidget* w) {
  stops.push_back({name + ".box", w->Text1});
  stops.push_back({name + ".arrows", w->B});
}

std::string NameOf(const Stops& stops, QWidget* w) {
  for (const auto& [name, widget] : stops) {
    if (widget == w) return name;
  }
  return w == nullptr ? "nothing" : std::string("a ") + w->metaObject()->className();
}

// Tab from the opening walks each page in its order and comes back to the first.
TEST_F(EveryPageTest, TabWalksEachPageInItsOrderFromTheOpening) {
  struct Walk {
    const char* page;
    platform::Label* shell::MainWindow::*menu;
    std::function<Stops()> order;
  };
  const Walk walks[] = {
      {"video", &shell::MainWindow::videoLabel,
       [] {
         pages::VideoPage& p = platform::The<pages::VideoPage>();
         Stops s;
         AddValue(s, "UPDW1", p.UPDW1);
         AddValue(s, "UPDW2", p.UPDW2);
         s.push_back({"Combo1", p.Combo1});
         AddValue(s, "UPDW3", p.UPDW3);
         s.insert(s.end(), {{"Combo6", p.Combo6}, {"Combo7", p.Combo7}, {"Combo8", p.Combo8}});
         AddValue(s, "UPDW02", p.UPDW02);
         AddValue(s, "UPDW03", p.UPDW03);
         s.insert(s.end(), {{"Combo5", p.Combo5},
                            {"Combo4", p.Combo4},
                            {"Combo3", p.Combo3},
                            {"Done", p.Command2}});
         return s;
       }},
      {"mouse", &shell::MainWindow::mouseLabel,
       [] {
         pages::MousePage& p = platform::The<pages::MousePage>();
         Stops s;
         AddValue(s, "SEN1", p.SEN1);
         AddValue(s, "SEN2", p.SEN2);
         s.insert(s.end(), {{"Combo1", p.Combo1},
                            {"Combo2", p.Combo2},
                            {"Combo3", p.Combo3},
                            {"Combo4", p.Combo4},
                            {"Combo5", p.Combo5},
                            {"Done", p.Command2}});
         return s;
       }},
      {"sound", &shell::MainWindow::soundLabel,
       [] {
         pages::SoundPage& p = platform::The<pages::SoundPage>();
         Stops s;
         AddValue(s, "Volume1", p.Volume1);
         s.insert(s.end(), {{"Combo2", p.Combo2}, {"Combo1", p.Combo1}});
         AddValue(s, "Volume2", p.Volume2);
         s.insert(s.end(), {{"Combo3", p.Combo3}, {"Combo4", p.Combo4}, {"Done", p.Command2}});
         return s;
       }},
      {"player", &shell::MainWindow::playerLabel,
       [] {
         pages::PlayerPage& p = platform::The<pages::PlayerPage>();
         Stops s{{"Combo1", p.Combo1}, {"Combo2", p.Combo2}};
         AddValue(s, "SPEED1", p.SPEED1);
         AddValue(s, "SPEED2", p.SPEED2);
         AddValue(s, "SPEED3", p.SPEED3);
         s.insert(s.end(), {{"Combo3", p.Combo3}, {"Done", p.Command2}});
         return s;
       }},
      {"other", &shell::MainWindow::otherLabel,
       [] {
         pages::OtherPage& p = platform::The<pages::OtherPage>();
         Stops s{
             {"Text1", p.Text1}, {"Text2", p.Text2}, {"Combo1", p.Combo1}, {"Combo2", p.Combo2}};
         AddValue(s, "senn1", p.senn1);
         s.push_back({"Combo3", p.Combo3});
         AddValue(s, "SENN2", p.SENN2);
         s.insert(s.end(), {{"Combo4", p.Combo4},
                            {"Combo5", p.Combo5},
                            {"Combo6", p.Combo6},
                            {"Combo7", p.Combo7},
                            {"Combo8", p.Combo8},
                            {"Combo9", p.Combo9}});
         // The colour picker: its spin buttons R, G, B, then its boxes.
         widgets::ColorPicker* c = p.COLOR1;
         s.insert(s.end(), {{"COLOR1.R", c->SpinR},
                            {"COLOR1.G", c->SpinG},
                            {"COLOR1.B", c->SpinB},
                            {"COLOR1.Text1", c->Text1},
                            {"COLOR1.Text2", c->Text2},
                            {"COLOR1.Text3", c->Text3}});
         s.insert(s.end(), {{"Combo10", p.Combo10}, {"Done", p.Command2}});
         return s;
       }},
  };
  for (const Walk& walk : walks) {
    SCOPED_TRACE(walk.page);
    QTest::mouseClick(Main().*walk.menu, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    const Stops order = walk.order();
    QWidget* page = order.front().second->window();
    ASSERT_TRUE(QTest::qWaitForWindowActive(page));
    std::vector<std::string> expected, walked;
    for (const auto& stop : order) expected.push_back(stop.first);
    walked.push_back(NameOf(order, QApplication::focusWidget()));
    for (std::size_t i = 0; i < order.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      walked.push_back(NameOf(order, QApplication::focusWidget()));
    }
    expected.push_back(expected.front());  // round again
    EXPECT_EQ(walked, expected);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(NameOf(order, QApplication::focusWidget()), "Done");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);  // presses Done
    EXPECT_FALSE((Main().*walk.menu)->Enabled());
  }
}

// An open list shows the list's colours, black with its text in 0x00C00000;
// only the chosen row keeps the system's highlight.
TEST_F(EveryPageTest, OpenListsShowTheirOwnColours) {
  struct Page {
    const char* name;
    platform::Label* shell::MainWindow::*menu;
    pages::SettingsPage& (*window)();
  };
  const Page menus[] = {
      {"video", &shell::MainWindow::videoLabel,
       []() -> pages::SettingsPage& { return platform::The<pages::VideoPage>(); }},
      {"mouse", &shell::MainWindow::mouseLabel,
       []() -> pages::SettingsPage& { return platform::The<pages::MousePage>(); }},
      {"sound", &shell::MainWindow::soundLabel,
       []() -> pages::SettingsPage& { return platform::The<pages::SoundPage>(); }},
      {"player", &shell::MainWindow::playerLabel,
       []() -> pages::SettingsPage& { return platform::The<pages::PlayerPage>(); }},
      {"other", &shell::MainWindow::otherLabel,
       []() -> pages::SettingsPage& { return platform::The<pages::OtherPage>(); }},
  };
  const QColor black(0, 0, 0), text(0, 0, 0xC0);
  for (const Page& page : menus) {
    SCOPED_TRACE(page.name);
    QTest::mouseClick(Main().*page.menu, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    pages::SettingsPage& window = page.window();
    ASSERT_TRUE(window.isVisible());
    const auto lists = window.findChildren<platform::ComboBox*>();
    ASSERT_FALSE(lists.isEmpty());
    for (platform::ComboBox* list : lists) {
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
      EXPECT_GT(textPixels, 0) << list->List(0).toStdString();
      EXPECT_GT(blackPixels, textPixels) << list->List(0).toStdString();
      EXPECT_EQ(otherPixels, 0) << list->List(0).toStdString();
      list->hidePopup();
    }
    QTest::mouseClick(window.Command2, Qt::LeftButton);
  }
}

}  // namespace
