#include <gtest/gtest.h>

#include <QTest>

#include "pages/player_page.h"
#include "pages/sound_page.h"
#include "pages/video_page.h"
#include "platform/forms.h"
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
            Lines({"gamma \"1\"", "brightness \"1\"", "texgamma \"1\"", "max_smokepuffs \"0\"",
                   "r_decals \"0\"", "gl_spriteblend \"0\"", "cl_himodels \"1\"", "r_dynamic \"1\"",
                   "r_mmx \"1\"", "fastsprites \"0\"", "violence_ablood \"1\"",
                   "violence_hblood \"1\"", "gl_lightholes \"1\"", "max_shells \"0\"",
                   "fps_max \"99\"", "violence_hgibs \"1\"", "violence_agibs \"1\"",
                   "sv_maxspeed \"320\"", "viewsize \"120\"", "gl_round_down \"3\"",
                   "gl_max_size \"256\"", "gl_flipmatrix \"0\"", "mp_decals \"256\"",
                   "gl_monolights \"0\""}));
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
  EXPECT_EQ(pages::SoundSection({}),
            Lines({"volume \"0\"", "hisound \"1\"", "loadas8bit \"0\"", "bgmvolume \"0\"",
                   "s_a3d \"0\"", "s_eax \"0\"", "s_geometry \"0\"", "s_distance \"60\"",
                   "_snd_mixahead \"0.1\"", "s_distance \"60\"", "s_automin_distance \"2\"",
                   "s_automax_distance \"30\"", "s_min_distance \"8\"",
                   "s_max_distance \"1000\""}));
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
    shell::SetPageOpener(shell::MenuPage::Video, [] { platform::Show<pages::set3>(); });
    shell::SetPageOpener(shell::MenuPage::Sound, [] { platform::Show<pages::SET5>(); });
    shell::SetPageOpener(shell::MenuPage::Player, [] { platform::Show<pages::SET6>(); });
    platform::Show<shell::Form4>();
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
  shell::Form4& Main() { return platform::The<shell::Form4>(); }
  QByteArray fresh_;
};

TEST_F(SettingsPagesTest, ThreePagesInAnyOrderAppendInCompletionOrder) {
  Click(Main().Command8);  // Игрока
  pages::SET6& player = platform::The<pages::SET6>();
  EXPECT_EQ(player.Label6->text(), QStringLiteral("Скорость смешения игрока влево и вправо"));
  Up(player.SPEED2, 40);  // to the limit: the page writes 800
  Down(player.SPEED1, 1);
  player.Combo3->SetListIndex(0);
  Click(player.Command2);

  Click(Main().Command5);  // Видео
  pages::set3& video = platform::The<pages::set3>();
  EXPECT_EQ(video.Label2.size(), 12);
  EXPECT_EQ(video.Label2[7]->text(), QString::fromUtf8("Поддержка \xD0\x9C\xD0\x9C\xD0\xA5"));
  Up(video.UPDW1, 4);
  Down(video.UPDW2, 1);
  Up(video.UPDW03, 2);
  video.Combo7->SetListIndex(0);
  video.Combo6->SetListIndex(2);
  Click(video.Command2);

  Click(Main().Command7);  // Аудио
  pages::SET5& sound = platform::The<pages::SET5>();
  EXPECT_EQ(sound.Volume1->Text1->Text(), QStringLiteral("0%"));
  Up(sound.Volume1, 37);
  sound.Combo3->SetListIndex(1);
  Click(sound.Command2);

  EXPECT_EQ(dialogs_.boxes.size(), 1u);  // SPEED's limit message
  EXPECT_FALSE(Main().Command5->Enabled());
  EXPECT_FALSE(Main().Command7->Enabled());
  EXPECT_FALSE(Main().Command8->Enabled());
  EXPECT_EQ(
      TempFileBytes(),
      fresh_ +
          Bytes(QStringLiteral("// [ Player Setting ] "),
                {"cl_bob \"0.01\"", "cl_bobup \"0.5\"", "cl_bobcycle \"0.8\"",
                 "cl_forwardspeed \"800\"", "cl_backspeed \"390\"", "cl_sidespeed \"400\"",
                 "cl_righthand \"0\"", "cl_observercrosshair \"0\""}) +
          Bytes(QStringLiteral("// [ Video Setting ] "),
                {"gamma \"5\"", "brightness \"1\"", "texgamma \"1\"", "max_smokepuffs \"0\"",
                 "r_decals \"2\"", "gl_spriteblend \"0\"", "cl_himodels \"1\"", "r_dynamic \"1\"",
                 "r_mmx \"1\"", "fastsprites \"2\"", "violence_ablood \"0\"",
                 "violence_hblood \"0\"", "gl_lightholes \"1\"", "max_shells \"0\"",
                 "fps_max \"99\"", "violence_hgibs \"1\"", "violence_agibs \"1\"",
                 "sv_maxspeed \"320\"", "viewsize \"120\"", "gl_round_down \"3\"",
                 "gl_max_size \"256\"", "gl_flipmatrix \"0\"", "mp_decals \"256\"",
                 "gl_monolights \"0\""}) +
          Bytes(QStringLiteral("// [ Sound Setting ] "),
                {"volume \"0.37\"", "hisound \"1\"", "loadas8bit \"0\"", "bgmvolume \"0\"",
                 "s_a3d \"1\"", "s_eax \"1\"", "s_geometry \"1\"", "s_distance \"60\"",
                 "_snd_mixahead \"0.1\"", "s_distance \"60\"", "s_automin_distance \"2\"",
                 "s_automax_distance \"30\"", "s_min_distance \"8\"", "s_max_distance \"1000\""}));
}

TEST_F(SettingsPagesTest, StartingIndexes) {
  Click(Main().Command5);
  pages::set3& v = platform::The<pages::set3>();
  EXPECT_EQ((std::vector<int>{v.Combo1->ListIndex(), v.Combo3->ListIndex(), v.Combo4->ListIndex(),
                              v.Combo5->ListIndex(), v.Combo6->ListIndex(), v.Combo7->ListIndex(),
                              v.Combo8->ListIndex()}),
            (std::vector<int>{0, 1, 1, 1, 0, 1, 1}));
  Click(v.Command2);
  Click(Main().Command7);
  pages::SET5& s = platform::The<pages::SET5>();
  EXPECT_EQ((std::vector<int>{s.Combo1->ListIndex(), s.Combo2->ListIndex(), s.Combo3->ListIndex(),
                              s.Combo4->ListIndex()}),
            (std::vector<int>{1, 0, 0, 1}));
  EXPECT_EQ(s.Combo2->List(0), QStringLiteral("Да"));
  Click(s.Command2);
  Click(Main().Command8);
  pages::SET6& p = platform::The<pages::SET6>();
  EXPECT_EQ((std::vector<int>{p.Combo1->ListIndex(), p.Combo2->ListIndex(), p.Combo3->ListIndex()}),
            (std::vector<int>{1, 0, 1}));
}

}  // namespace
