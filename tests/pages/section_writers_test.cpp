// The section each settings page appends, from the values its controls hold.
#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include "pages/mouse_section.h"
#include "pages/other_section.h"
#include "pages/player_section.h"
#include "pages/sound_section.h"
#include "pages/video_section.h"
#include "support/lines.h"

namespace {

using testing_support::utf8Lines;

TEST(VideoSection, StartingAndChangedChoices) {
  EXPECT_EQ(pages::videoSection({}),
            utf8Lines({"gamma \"1\"",          "brightness \"1\"",      "texgamma \"1\"",
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
  const QStringList lines = pages::videoSection(c);
  EXPECT_EQ(lines[0], QStringLiteral("gamma \"21000\""));
  EXPECT_EQ(lines[1], QStringLiteral("brightness \"-3\""));
  EXPECT_EQ(lines[5], QStringLiteral("gl_spriteblend \"1\""));
  EXPECT_EQ(lines[6], QStringLiteral("cl_himodels \"-1\""));
  EXPECT_EQ(lines[9], QStringLiteral("fastsprites \"2\""));
  EXPECT_EQ(lines[10], QStringLiteral("violence_ablood \"0\""));
  EXPECT_EQ(lines[11], QStringLiteral("violence_hblood \"0\""));
  EXPECT_EQ(lines[12], QStringLiteral("gl_lightholes \"0\""));
  EXPECT_EQ(lines.mid(13), pages::videoSection({}).mid(13));  // the fixed lines stay
}

TEST(SoundSection, StartingAndChangedChoices) {
  EXPECT_EQ(
      pages::soundSection({}),
      utf8Lines({"volume \"0\"", "hisound \"1\"", "loadas8bit \"0\"", "bgmvolume \"0\"",
                 "s_a3d \"0\"", "s_eax \"0\"", "s_geometry \"0\"", "s_distance \"60\"",
                 "_snd_mixahead \"0.1\"", "s_distance \"60\"", "s_automin_distance \"2\"",
                 "s_automax_distance \"30\"", "s_min_distance \"8\"", "s_max_distance \"1000\""}));
  for (int effects : {1, -1}) {
    const QStringList lines =
        pages::soundSection({QStringLiteral("0.37"), QStringLiteral("1"), 0, 1, effects});
    EXPECT_EQ(lines.mid(0, 7),
              utf8Lines({"volume \"0.37\"", "hisound \"0\"", "loadas8bit \"1\"", "bgmvolume \"1\"",
                         "s_a3d \"1\"", "s_eax \"1\"", "s_geometry \"1\""}));
  }
}

TEST(PlayerSection, StartingAndChangedChoices) {
  EXPECT_EQ(pages::playerSection({}),
            utf8Lines({"cl_bob \"0.01\"", "cl_bobup \"0.5\"", "cl_bobcycle \"0.8\"",
                       "cl_forwardspeed \"400\"", "cl_backspeed \"400\"", "cl_sidespeed \"400\"",
                       "cl_righthand \"1\"", "cl_observercrosshair \"0\""}));
  const QStringList lines = pages::playerSection(
      {0, 0, 1, QStringLiteral("390"), QStringLiteral("800"), QStringLiteral("0")});
  EXPECT_EQ(lines,
            utf8Lines({"cl_bob \"0\"", "cl_bobup \"0.5\"", "cl_bobcycle \"0.8\"",
                       "cl_forwardspeed \"800\"", "cl_backspeed \"390\"", "cl_sidespeed \"0\"",
                       "cl_righthand \"0\"", "cl_observercrosshair \"1\""}));
  EXPECT_EQ(pages::playerSection({-1}).first(), QStringLiteral("cl_bob \"0.01\""));
}

TEST(MouseSection, StartingChoicesAndChangedOnes) {
  EXPECT_EQ(
      pages::mouseSection(pages::MouseChoices{}),
      utf8Lines({"sensitivity \"0\"", "zoom_sensitivity_ratio \"0\"", "m_filter \"1\"",
                 "m_pitch \"-0.022\"", "m_yaw \"0.022\"", "lookstrafe \"0\"", "+mlook",
                 "m_forward \"1\"", "m_side \"0.8\"", "lookspring \"0\"", "default_fov \"110\""}));

  pages::MouseChoices changed;
  changed.sensitivity = QStringLiteral("1.5");
  changed.zoomSensitivity = QStringLiteral("10");
  changed.filter = 0;
  changed.pitchReverse = 0;
  changed.yawReverse = 1;
  changed.lookStrafe = 1;
  changed.mouseLook = 0;
  EXPECT_EQ(
      pages::mouseSection(changed),
      utf8Lines({"sensitivity \"1.5\"", "zoom_sensitivity_ratio \"10\"", "m_filter \"0\"",
                 "m_pitch \"0.022\"", "m_yaw \"-0.022\"", "lookstrafe \"1\"", "-mlook",
                 "m_forward \"1\"", "m_side \"0.8\"", "lookspring \"0\"", "default_fov \"110\""}));

  // No selection: only index 0 takes the first text.
  pages::MouseChoices none{QStringLiteral("0"), QStringLiteral("0"), -1, -1, -1, -1, -1};
  const QStringList lines = pages::mouseSection(none);
  EXPECT_EQ(lines[2], QStringLiteral("m_filter \"-1\""));
  EXPECT_EQ(lines[3], QStringLiteral("m_pitch \"-0.022\""));
  EXPECT_EQ(lines[4], QStringLiteral("m_yaw \"-0.022\""));
  EXPECT_EQ(lines[5], QStringLiteral("lookstrafe \"-1\""));
  EXPECT_EQ(lines[6], QStringLiteral("+mlook"));
}

TEST(OtherSection, StartingChoicesAndTheOptionalLines) {
  const QStringList start = utf8Lines(
      {"developer \"0\"", "scr_conspeeder \"99999\"", "hud_capturemouse \"1\"",
       "hud_centerid \"1\"", "hud_deathnotice_time \"0\"", "hud_fastswitch \"1\"",
       "hud_saytext_time \"0\"", "drawradar", "net_graph \"0\"", "sv_aim \"0\"", "crosshair \"1\"",
       "cl_showfps \"0\"", "rate \"20000\"", "setinfo _vgui_menus \"0\"",
       "setinfo vgui_menus \"0\"", "con_color \"235 235 235\""});
  EXPECT_EQ(pages::otherSection({}), start);  // 18 with the empty line and the header

  struct Case {
    const char* name;
    const char* server;
    QStringList head;
  };
  const Case cases[] = {
      {"Игрок", "Мой сервер", utf8Lines({"name \"Игрок\"", "hostname \"Мой сервер\""})},
      {"", "srv", utf8Lines({"hostname \"srv\""})},
      {"me", "", utf8Lines({"name \"me\""})},
      {"  ", "", utf8Lines({"name \"  \""})},
      {"a\"b", "", utf8Lines({"name \"a\"b\""})},
  };
  for (const Case& c : cases) {
    pages::OtherChoices choices;
    choices.name = QString::fromUtf8(c.name);
    choices.serverName = QString::fromUtf8(c.server);
    EXPECT_EQ(pages::otherSection(choices), c.head + start) << c.name;
  }
}

TEST(OtherSection, ChangedChoices) {
  const char* rates[] = {"0", "1500", "2500", "3400", "4200", "5000", "6000", "20000"};
  for (int i = 0; i < 8; ++i) {
    pages::OtherChoices c;
    c.connection = i;
    EXPECT_EQ(pages::otherSection(c)[12], QStringLiteral("rate \"%1\"").arg(rates[i]));
  }
  pages::OtherChoices c;
  c.connection = -1;
  c.radar = 0;
  c.menu = 1;
  c.centerId = 0;
  c.deathNoticeTime = QStringLiteral("2.5");
  c.sayTextTime = QStringLiteral("5");
  c.red = 0;
  c.blue = 255;
  EXPECT_EQ(pages::otherSection(c),
            utf8Lines({"developer \"0\"", "scr_conspeeder \"99999\"", "hud_capturemouse \"1\"",
                       "hud_centerid \"0\"", "hud_deathnotice_time \"2.5\"", "hud_fastswitch \"1\"",
                       "hud_saytext_time \"5\"", "hideradar", "net_graph \"0\"", "sv_aim \"0\"",
                       "crosshair \"1\"", "cl_showfps \"0\"", "setinfo _vgui_menus \"1\"",
                       "setinfo vgui_menus \"0\"", "con_color \"0 235 255\""}));
  pages::OtherChoices none;
  none.radar = -1;
  EXPECT_EQ(pages::otherSection(none)[7], QStringLiteral("drawradar"));
}

}  // namespace
