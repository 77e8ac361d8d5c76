#include "pages/video_page.h"

#include "config/config_text.h"

namespace pages {

QStringList VideoSection(const VideoChoices& c) {
  using config::valueLine;
  return {
      valueLine(u"gamma", c.gamma),
      valueLine(u"brightness", c.brightness),
      valueLine(u"texgamma", c.texGamma),
      valueLine(u"max_smokepuffs", c.smokePuffs),
      valueLine(u"r_decals", c.decals),
      valueLine(u"gl_spriteblend", c.crosshair),
      valueLine(u"cl_himodels", c.hiModels),
      valueLine(u"r_dynamic", c.dynamicLight),
      valueLine(u"r_mmx", c.mmx),
      valueLine(u"fastsprites", c.smokeRealism),
      valueLine(u"violence_ablood", c.blood),
      valueLine(u"violence_hblood", c.blood),
      valueLine(u"gl_lightholes", c.mode3dfx),
      valueLine(u"max_shells", u"0"),
      valueLine(u"fps_max", u"99"),
      valueLine(u"violence_hgibs", u"1"),
      valueLine(u"violence_agibs", u"1"),
      valueLine(u"sv_maxspeed", u"320"),
      valueLine(u"viewsize", u"120"),
      valueLine(u"gl_round_down", u"3"),
      valueLine(u"gl_max_size", u"256"),
      valueLine(u"gl_flipmatrix", u"0"),
      valueLine(u"mp_decals", u"256"),
      valueLine(u"gl_monolights", u"0"),
  };
}

namespace {
constexpr int kValueLeft = 5760;
int RowTop(int row) { return 240 + 360 * row; }
}  // namespace

VideoPage::VideoPage()
    : SettingsPage({shell::MenuPage::Video, QStringLiteral("Video Setting"), 7410, 5175, 7380, 5160,
                    QStringLiteral("Видео настройки"), 2280, 2400, 5760}) {
  const QString captions[] = {
      QStringLiteral("Гамма"),
      QStringLiteral("Яркость"),
      QStringLiteral("Гамма текстур (небо и т.д) "),
      QStringLiteral("Максимальное кол-во дымовых спрайтов"),
      QStringLiteral("Макс. отображаемых следов от пуль, крови"),
      QStringLiteral("Качественная прорисовка моделей"),
      QStringLiteral("Динамический свет и фонарик"),
      QStringLiteral("Поддержка \u041C\u041C\u0425"),  // the three capitals are Cyrillic
      QStringLiteral("Реализм дымовых спрайтов"),
      QStringLiteral("Кровь"),
      QStringLiteral("Режим 3DFX/NVIDIA"),
      QStringLiteral("2-ой прицел"),
  };
  for (int row = 1; row <= 12; ++row) Label2 << AddCaption(captions[row - 1], RowTop(row));

  auto widget = [this](const widgets::ValueRules& rules, int row) {
    return AddWidget(rules, kValueLeft, RowTop(row), 1575, 375);
  };
  auto list = [this](const QStringList& items, int row) {
    return AddList(items, kValueLeft, RowTop(row), 1455, 360);
  };
  UPDW1 = widget(widgets::UPDW, 1);
  UPDW2 = widget(widgets::UPDW, 2);
  UPDW3 = widget(widgets::UPDW, 3);
  UPDW02 = widget(widgets::UPDW0, 4);
  UPDW03 = widget(widgets::UPDW0, 5);
  Combo3 = list(OffOn(), 6);
  Combo4 = list(OffOn(), 7);
  Combo5 = list(OffOn(), 8);
  Combo6 =
      list({QStringLiteral("Высокий"), QStringLiteral("Средний"), QStringLiteral("Низкий")}, 9);
  Combo7 = list(OffOn(), 10);
  Combo8 = list({QStringLiteral("3DFX"), QStringLiteral("NVIDIA")}, 11);
  Combo1 = list({QStringLiteral("Одинарный"), QStringLiteral("Двойной")}, 12);

  SetTabOrder({UPDW1, UPDW2, Combo1, UPDW3, Combo6, Combo7, Combo8, UPDW02, UPDW03, Combo5, Combo4,
               Combo3, Command2});
}

void VideoPage::Form_Load() {
  Combo1->SetListIndex(0);
  Combo3->SetListIndex(1);
  Combo4->SetListIndex(1);
  Combo5->SetListIndex(1);
  Combo6->SetListIndex(0);
  Combo7->SetListIndex(1);
  Combo8->SetListIndex(1);
}

QStringList VideoPage::SectionLines() const {
  VideoChoices c;
  c.gamma = UPDW1->TText();
  c.brightness = UPDW2->TText();
  c.texGamma = UPDW3->TText();
  c.smokePuffs = UPDW02->TText();
  c.decals = UPDW03->TText();
  c.crosshair = Combo1->ListIndex();
  c.hiModels = Combo3->ListIndex();
  c.dynamicLight = Combo4->ListIndex();
  c.mmx = Combo5->ListIndex();
  c.smokeRealism = Combo6->ListIndex();
  c.blood = Combo7->ListIndex();
  c.mode3dfx = Combo8->ListIndex();
  return VideoSection(c);
}

}  // namespace pages
