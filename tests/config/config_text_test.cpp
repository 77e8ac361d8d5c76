#include "config/config_text.h"

#include <gtest/gtest.h>

#include "config/code_page_1251.h"

namespace {

struct LineCase {
  const char* what;
  QString made;
  const char* expected;
};

TEST(ConfigText, LinesAndNumbers) {
  const LineCase cases[] = {
      {"value line", config::valueLine(u"gamma", 1), "gamma \"1\""},
      {"negative whole", config::valueLine(u"x", -12), "x \"-12\""},
      {"no selection", config::valueLine(u"k", -1), "k \"-1\""},
      {"first item", config::valueLine(u"k", 0), "k \"0\""},
      {"text value", config::valueLine(u"m_pitch", u"0.022"), "m_pitch \"0.022\""},
      {"empty value", config::valueLine(u"name", u""), "name \"\""},
      {"header", config::sectionHeaderLine(u"Commands"), "// [ Commands ] "},
      {"header", config::sectionHeaderLine(u"Othen Setting"), "// [ Othen Setting ] "},
      {"whole fraction", config::fractionText(10.0), "10"},
      {"tenths", config::fractionText(3 * 0.1), "0.3"},
      {"hundredths", config::fractionText(7 * 0.01), "0.07"},
      {"sum of tenths", config::fractionText(0.1 + 0.2), "0.3"},
      {"negative", config::fractionText(-1.5), "-1.5"},
      {"zero", config::fractionText(-0.0), "0"},
      {"15 digits", config::fractionText(1.0 / 3.0), "0.333333333333333"},
      {"integer text", config::numberText(-32768), "-32768"},
  };
  for (const LineCase& c : cases) {
    EXPECT_EQ(c.made, QString::fromUtf8(c.expected)) << c.what;
  }
  EXPECT_EQ(config::sectionHeaderLine(u"Commands").size(), 16);
  EXPECT_EQ(config::valueLine(u"gamma", 1).size(), 9);
}

TEST(ConfigText, SectionStartsWithEmptyLineAndHeader) {
  EXPECT_EQ(
      config::section(u"Mouse Setting", {QStringLiteral("+mlook")}),
      (QStringList{QString(), QStringLiteral("// [ Mouse Setting ] "), QStringLiteral("+mlook")}));
}

TEST(ConfigText, StringTable) {
  EXPECT_EQ(config::quote(), QStringLiteral("\""));
  EXPECT_EQ(config::buyLineEnd(), QStringLiteral("reset\""));
}

TEST(AnsiText, CodePage1251) {
  struct Case {
    const char16_t* text;
    QByteArray bytes;
  };
  const Case cases[] = {
      {u"bind \"a\"", "bind \"a\""},
      {u"А", "\xC0"},
      {u"Я", "\xDF"},
      {u"а", "\xE0"},
      {u"я", "\xFF"},
      {u"Ёё", "\xA8\xB8"},
      {u"Привет", "\xCF\xF0\xE8\xE2\xE5\xF2"},
      {u"Ўў Іі Ґґ Єє Її Јј", "\xA1\xA2 \xB2\xB3 \xA5\xB4 \xAA\xBA \xAF\xBF \xA3\xBC"},
      {u"Ђђ Љљ Њњ Ћћ Џџ", "\x80\x90 \x8A\x9A \x8C\x9C \x8E\x9E \x8F\x9F"},
      {u"€ № — – … «» ™", "\x88 \xB9 \x97 \x96 \x85 \xAB\xBB \x99"},
      {u"\u00A0\u00A9\u00B0", "\xA0\xA9\xB0"},
      // What the code page lacks: one "?" each, a character beyond 0xFFFF included.
      {u"ä", "?"},
      {u"日本", "??"},
      {u"a\U0001F600b", "a?b"},
      {u"\u0098", "?"},
      {u"Ω", "?"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(config::toCodePage1251(QStringView(c.text)), c.bytes)
        << QString::fromUtf16(c.text).toStdString();
  }
}

}  // namespace
