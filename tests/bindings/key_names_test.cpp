#include "bindings/key_names.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using bindings::consoleKeyName;
using bindings::keyDisplayName;

TEST(KeyDisplayName, EveryNamedCodeAndSomeUnnamedOnes) {
  std::map<int, QString> expected = {
      {145, "Scroll Lock"}, {19, "Pause"},
      {189, "-"},           {187, "="},
      {220, "\\"},          {8, "Backup"},
      {9, "Tab"},           {219, "["},
      {221, "]"},           {13, "Enter"},
      {186, ";"},           {222, "'"},
      {16, "Shift"},        {188, ","},
      {190, "."},           {191, "/"},
      {17, "Ctrl"},         {18, "Alt"},
      {32, "Space"},        {45, "Insert"},
      {36, "Home"},         {33, "Page Up"},
      {35, "End"},          {34, "Page Down"},
      {38, "UpArrow"},      {40, "DownArrow"},
      {37, "LeftArrow"},    {39, "RightArrow"},
      {144, "Num Lock"},    {111, "Num /"},
      {106, "*"},           {109, "Num -"},
      {107, "+"},           {192, QString(QChar(0x60))},
  };
  const char* const fKeys[] = {"F1", "F2", "F3", "F4",  "F5",  "F6",
                               "F7", "F8", "F9", "F10", "F11", "F12"};
  for (int i = 0; i < 12; ++i) expected[112 + i] = fKeys[i];
  for (int i = 0; i < 10; ++i) {
    expected[48 + i] = QString(QChar('0' + i));
    expected[96 + i] = QStringLiteral("Num ") + QChar('0' + i);
  }
  for (int i = 0; i < 26; ++i) expected[65 + i] = QString(QChar('a' + i));
  ASSERT_EQ(expected.size(), 92u);

  for (int code = 0; code < 256; ++code) {
    const auto named = expected.find(code);
    EXPECT_EQ(keyDisplayName(code), named == expected.end() ? QString() : named->second)
        << "code " << code;
  }
  // Escape, Caps Lock, Delete, the pad's decimal point, and codes outside the range.
  for (int code : {27, 20, 46, 110, -1, 256, 0x424}) EXPECT_TRUE(keyDisplayName(code).isEmpty());
}

TEST(KeyNames, MouseButtonsAndTheNamesThatEndACapture) {
  EXPECT_EQ(bindings::mouseButtonName(Qt::LeftButton), "Mouse1");
  EXPECT_EQ(bindings::mouseButtonName(Qt::RightButton), "Mouse2");
  EXPECT_EQ(bindings::mouseButtonName(Qt::MiddleButton), "Mouse3");
  for (Qt::MouseButton other : {Qt::NoButton, Qt::BackButton, Qt::ForwardButton, Qt::TaskButton}) {
    EXPECT_TRUE(bindings::mouseButtonName(other).isEmpty());
  }

  for (const char* name : {"Mouse1", "Mouse2", "Mouse3", "Tab"}) {
    EXPECT_TRUE(bindings::isCaptureEndingName(name)) << name;
  }
  for (const char* name : {"", "mouse1", "TAB", "tab", "Mouse4", "a", "Space"}) {
    EXPECT_FALSE(bindings::isCaptureEndingName(name)) << name;
  }
}

TEST(ConsoleKeyName, RefusedNamesAreTranslatedOthersStay) {
  const std::pair<const char*, const char*> cases[] = {
      {"Backup", "backspace"},
      {"Insert", "ins"},
      {"Page Up", "pgup"},
      {"Page Down", "pgdn"},
      {"Num 0", "kp_ins"},
      {"Num 1", "kp_end"},
      {"Num 2", "kp_downarrow"},
      {"Num 3", "kp_pgdn"},
      {"Num 4", "kp_leftarrow"},
      {"Num 5", "kp_5"},
      {"Num 6", "kp_rightarrow"},
      {"Num 7", "kp_home"},
      {"Num 8", "kp_uparrow"},
      {"Num 9", "kp_pgup"},
      {"Num /", "kp_slash"},
      {"Num -", "kp_minus"},
      {"+", "kp_plus"},
      // Kept as shown.
      {"Enter", "Enter"},
      {"UpArrow", "UpArrow"},
      {"Mouse1", "Mouse1"},
      {"Scroll Lock", "Scroll Lock"},
      {"Num Lock", "Num Lock"},
      {"*", "*"},
      {"-", "-"},
      {"=", "="},
      {"a", "a"},
      {"F12", "F12"},
      {"`", "`"},
      {"Home", "Home"},
  };
  for (const auto& [shown, console] : cases) EXPECT_EQ(consoleKeyName(shown), console) << shown;
}

}  // namespace
