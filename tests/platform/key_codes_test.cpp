#include "platform/key_codes.h"

#include <gtest/gtest.h>

#include <QKeyEvent>

namespace {

using platform::ScanCodes;
using platform::windowsKeyCode;

struct Case {
  quint32 scanCode;  // XKB key code; 0: the event carries none
  int qtKey;
  Qt::KeyboardModifiers modifiers;
  int expected;
};

int codeOf(const Case& c, ScanCodes scanCodes) {
  QKeyEvent event(QEvent::KeyPress, c.qtKey, c.modifiers, c.scanCode, 0, 0);
  return windowsKeyCode(event, scanCodes);
}

constexpr auto kNone = Qt::NoModifier;
constexpr auto kPad = Qt::KeypadModifier;
constexpr auto kShift = Qt::ShiftModifier;

// With evdev's key codes the same physical key of the letter and digit block
// gives the same code under the US, Russian, German and French layouts, dead
// keys included, whatever Shift, Ctrl or Alt are doing; every other key goes by
// what the layout makes of it.
TEST(WindowsKeyCode, FromTheScanCodeWhateverTheLayout) {
  const Case cases[] = {
      {38, Qt::Key_A, kNone, 'A'},
      {38, 0x424 /* Ф */, kNone, 'A'},
      {38, Qt::Key_A, Qt::ControlModifier | Qt::AltModifier, 'A'},
      {39, Qt::Key_S, kShift, 'S'},
      {39, 0x42B /* Ы */, kNone, 'S'},
      {52, 0x42F /* Я */, kNone, 'Z'},
      {24, 0x419 /* Й */, kNone, 'Q'},
      {10, Qt::Key_1, kNone, '1'},
      {10, Qt::Key_Exclam, kShift, '1'},
      {19, Qt::Key_ParenRight, kShift, '0'},
      {20, Qt::Key_Minus, kNone, 189},
      {21, Qt::Key_Plus, kShift, 187},
      {22, Qt::Key_Backspace, kNone, 8},
      {23, Qt::Key_Tab, kNone, 9},
      {23, Qt::Key_Backtab, kShift, 9},
      {34, 0x425 /* Х */, kNone, 219},
      {35, 0x42A /* Ъ */, kNone, 221},
      {36, Qt::Key_Return, kNone, 13},
      {47, 0x416 /* Ж */, kNone, 186},
      {48, 0x42D /* Э */, kNone, 222},
      {49, Qt::Key_QuoteLeft, kNone, 192},
      {49, 0x401 /* Ё */, kNone, 192},
      {51, Qt::Key_Backslash, kNone, 220},
      {59, 0x411 /* Б */, kNone, 188},
      {60, 0x42E /* Ю */, kNone, 190},
      {61, Qt::Key_Period, kNone, 191},
      {61, Qt::Key_Slash, kNone, 191},
      {50, Qt::Key_Shift, kNone, 16},
      {62, Qt::Key_Shift, kNone, 16},
      {37, Qt::Key_Control, kNone, 17},
      {105, Qt::Key_Control, kNone, 17},
      {64, Qt::Key_Alt, kNone, 18},
      {108, Qt::Key_AltGr, kNone, 18},
      {65, Qt::Key_Space, kNone, 32},
      {9, Qt::Key_Escape, kNone, 27},
      {66, Qt::Key_CapsLock, kNone, 20},
      {67, Qt::Key_F1, kNone, 112},
      {76, Qt::Key_F10, kNone, 121},
      {95, Qt::Key_F11, kNone, 122},
      {96, Qt::Key_F12, kNone, 123},
      {77, Qt::Key_NumLock, kNone, 144},
      {78, Qt::Key_ScrollLock, kNone, 145},
      {127, Qt::Key_Pause, kNone, 19},
      {110, Qt::Key_Home, kNone, 36},
      {111, Qt::Key_Up, kNone, 38},
      {112, Qt::Key_PageUp, kNone, 33},
      {113, Qt::Key_Left, kNone, 37},
      {114, Qt::Key_Right, kNone, 39},
      {115, Qt::Key_End, kNone, 35},
      {116, Qt::Key_Down, kNone, 40},
      {117, Qt::Key_PageDown, kNone, 34},
      {118, Qt::Key_Insert, kNone, 45},
      {119, Qt::Key_Delete, kNone, 46},
      // The numeric pad: digits with NumLock on, navigation with it off.
      {79, Qt::Key_7, kPad, 103},
      {79, Qt::Key_Home, kPad, 36},
      {90, Qt::Key_0, kPad, 96},
      {90, Qt::Key_Insert, kPad, 45},
      {84, Qt::Key_5, kPad, 101},
      {84, Qt::Key_Clear, kPad, 12},
      {89, Qt::Key_3, kPad, 99},
      {89, Qt::Key_PageDown, kPad, 34},
      {91, Qt::Key_Period, kPad, 110},
      {91, Qt::Key_Comma, kPad, 110},
      {91, Qt::Key_Delete, kPad, 46},
      {63, Qt::Key_Asterisk, kPad, 106},
      {82, Qt::Key_Minus, kPad, 109},
      {86, Qt::Key_Plus, kPad, 107},
      {106, Qt::Key_Slash, kPad, 111},
      {104, Qt::Key_Enter, kPad, 13},
      {94, Qt::Key_Less, kNone, 226},
      // German and French dead keys, and the keys they lie beside.
      {21, Qt::Key_Dead_Acute, kNone, 187},
      {21, Qt::Key_Dead_Grave, kShift, 187},
      {49, Qt::Key_Dead_Circumflex, kNone, 192},
      {20, 0xDF /* ß */, kNone, 189},
      {34, Qt::Key_Dead_Circumflex, kNone, 219},
      {34, Qt::Key_Dead_Diaeresis, kShift, 219},
      {24, Qt::Key_A, kNone, 'Q'},
      {29, Qt::Key_Z, kNone, 'Y'},
      // Remapped keys give the name of what they now do.
      {66, Qt::Key_Control, kNone, 17},
      {66, Qt::Key_Backspace, kNone, 8},
      {64, Qt::Key_Super_L, kNone, 91},
      {133, Qt::Key_Alt, kNone, 18},
      {9, Qt::Key_CapsLock, kNone, 20},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(codeOf(c, ScanCodes::kEvdev), c.expected)
        << "scan code " << c.scanCode << ", Qt key 0x" << std::hex << c.qtKey;
  }
}

// Without a native code (offscreen), or with codes not known to be evdev's (an
// X server with the older xfree86 codes, where Down is 104), Qt's key and the
// keypad flag decide; a character goes by the US key that gives it.
TEST(WindowsKeyCode, FromQtsKeyWhereTheScanCodeIsNotKnown) {
  const Case cases[] = {
      {0, Qt::Key_A, kNone, 'A'},          {0, Qt::Key_Z, kShift, 'Z'},
      {0, Qt::Key_5, kNone, '5'},          {0, Qt::Key_Exclam, kShift, '1'},
      {0, Qt::Key_Asterisk, kShift, '8'},  {0, Qt::Key_Plus, kShift, 187},
      {0, Qt::Key_Equal, kNone, 187},      {0, Qt::Key_Underscore, kShift, 189},
      {0, Qt::Key_QuoteLeft, kNone, 192},  {0, Qt::Key_AsciiTilde, kShift, 192},
      {0, Qt::Key_Question, kShift, 191},  {0, Qt::Key_Colon, kShift, 186},
      {0, Qt::Key_BraceLeft, kShift, 219}, {0, Qt::Key_Bar, kShift, 220},
      {0, Qt::Key_Tab, kNone, 9},          {0, Qt::Key_Backtab, kShift, 9},
      {0, Qt::Key_Return, kNone, 13},      {0, Qt::Key_Enter, kPad, 13},
      {0, Qt::Key_Escape, kNone, 27},      {0, Qt::Key_Backspace, kNone, 8},
      {0, Qt::Key_F12, kNone, 123},        {0, Qt::Key_Control, kNone, 17},
      {0, Qt::Key_7, kPad, 103},           {0, Qt::Key_Home, kPad, 36},
      {0, Qt::Key_Home, kNone, 36},        {0, Qt::Key_Asterisk, kPad, 106},
      {0, Qt::Key_Plus, kPad, 107},        {0, Qt::Key_Minus, kPad, 109},
      {0, Qt::Key_Slash, kPad, 111},       {0, Qt::Key_Period, kPad, 110},
      {0, Qt::Key_Delete, kPad, 46},       {0, 0x424, kNone, 0},
      {0, Qt::Key_VolumeUp, kNone, 0},     {0, Qt::Key_Dead_Grave, kNone, 192},
      {0, Qt::Key_Dead_Acute, kNone, 222}, {0, Qt::Key_Dead_Circumflex, kNone, '6'},
      {104, Qt::Key_Down, kNone, 40},      {105, Qt::Key_PageDown, kNone, 34},
      {106, Qt::Key_Insert, kNone, 45},    {98, Qt::Key_Up, kNone, 38},
      {108, Qt::Key_Enter, kPad, 13},      {109, Qt::Key_Control, kNone, 17},
      {38, Qt::Key_A, kNone, 'A'},         {38, 0x424 /* Ф */, kNone, 0},
      {29, Qt::Key_Z, kNone, 'Z'},         {21, Qt::Key_Dead_Acute, kNone, 222},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(codeOf(c, ScanCodes::kUnknown), c.expected)
        << "scan code " << c.scanCode << ", Qt key 0x" << std::hex << c.qtKey;
  }
}

}  // namespace
