#include "platform/key_codes.h"

#include <QKeyEvent>
#include <utility>

namespace platform {
namespace {

// Windows virtual-key codes that have no letter or digit of their own.
enum : int {
  kBack = 8,
  kTab = 9,
  kClear = 12,
  kReturn = 13,
  kShift = 16,
  kControl = 17,
  kMenu = 18,
  kPause = 19,
  kCapital = 20,
  kEscape = 27,
  kSpace = 32,
  kPrior = 33,
  kNext = 34,
  kEnd = 35,
  kHome = 36,
  kLeft = 37,
  kUp = 38,
  kRight = 39,
  kDown = 40,
  kSnapshot = 44,
  kInsert = 45,
  kDelete = 46,
  kLWin = 91,
  kRWin = 92,
  kApps = 93,
  kNumpad0 = 96,
  kMultiply = 106,
  kAdd = 107,
  kSubtract = 109,
  kDecimal = 110,
  kDivide = 111,
  kF1 = 112,
  kNumLock = 144,
  kScroll = 145,
  kOem1 = 186,
  kOemPlus = 187,
  kOemComma = 188,
  kOemMinus = 189,
  kOemPeriod = 190,
  kOem2 = 191,
  kOem3 = 192,
  kOem4 = 219,
  kOem5 = 220,
  kOem6 = 221,
  kOem7 = 222,
  kOem102 = 226,
};

// XKB key codes of the main block and the function keys (evdev + 8), with the
// code Windows gives the key in the same place on a US keyboard.
constexpr std::pair<std::uint32_t, int> kXkbKeys[] = {
    {9, kEscape},    {10, '1'},        {11, '2'},      {12, '3'},        {13, '4'},
    {14, '5'},       {15, '6'},        {16, '7'},      {17, '8'},        {18, '9'},
    {19, '0'},       {20, kOemMinus},  {21, kOemPlus}, {22, kBack},      {23, kTab},
    {24, 'Q'},       {25, 'W'},        {26, 'E'},      {27, 'R'},        {28, 'T'},
    {29, 'Y'},       {30, 'U'},        {31, 'I'},      {32, 'O'},        {33, 'P'},
    {34, kOem4},     {35, kOem6},      {36, kReturn},  {37, kControl},   {38, 'A'},
    {39, 'S'},       {40, 'D'},        {41, 'F'},      {42, 'G'},        {43, 'H'},
    {44, 'J'},       {45, 'K'},        {46, 'L'},      {47, kOem1},      {48, kOem7},
    {49, kOem3},     {50, kShift},     {51, kOem5},    {52, 'Z'},        {53, 'X'},
    {54, 'C'},       {55, 'V'},        {56, 'B'},      {57, 'N'},        {58, 'M'},
    {59, kOemComma}, {60, kOemPeriod}, {61, kOem2},    {62, kShift},     {63, kMultiply},
    {64, kMenu},     {65, kSpace},     {66, kCapital}, {67, kF1},        {68, kF1 + 1},
    {69, kF1 + 2},   {70, kF1 + 3},    {71, kF1 + 4},  {72, kF1 + 5},    {73, kF1 + 6},
    {74, kF1 + 7},   {75, kF1 + 8},    {76, kF1 + 9},  {77, kNumLock},   {78, kScroll},
    {82, kSubtract}, {86, kAdd},       {94, kOem102},  {95, kF1 + 10},   {96, kF1 + 11},
    {104, kReturn},  {105, kControl},  {106, kDivide}, {107, kSnapshot}, {108, kMenu},
    {110, kHome},    {111, kUp},       {112, kPrior},  {113, kLeft},     {114, kRight},
    {115, kEnd},     {116, kDown},     {117, kNext},   {118, kInsert},   {119, kDelete},
    {127, kPause},   {133, kLWin},     {134, kRWin},   {135, kApps},
};

// The numeric pad's digit keys and its decimal point: the code with NumLock
// on, and the navigation key it is with NumLock off.
struct PadKey {
  std::uint32_t xkb;
  int digit;
  int navigation;
};
constexpr PadKey kPadKeys[] = {
    {79, kNumpad0 + 7, kHome},   {80, kNumpad0 + 8, kUp},    {81, kNumpad0 + 9, kPrior},
    {83, kNumpad0 + 4, kLeft},   {84, kNumpad0 + 5, kClear}, {85, kNumpad0 + 6, kRight},
    {87, kNumpad0 + 1, kEnd},    {88, kNumpad0 + 2, kDown},  {89, kNumpad0 + 3, kNext},
    {90, kNumpad0 + 0, kInsert}, {91, kDecimal, kDelete},
};

bool IsDigitKey(int qtKey) { return qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9; }

}  // namespace

int KeyCodeFromXkb(std::uint32_t xkbKeyCode, bool numLockDigits) {
  for (const PadKey& pad : kPadKeys) {
    if (pad.xkb == xkbKeyCode) return numLockDigits ? pad.digit : pad.navigation;
  }
  for (const auto& [xkb, code] : kXkbKeys) {
    if (xkb == xkbKeyCode) return code;
  }
  return 0;
}

int KeyCodeFromQtKey(int qtKey, bool keypad) {
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 'A' + (qtKey - Qt::Key_A);
  if (IsDigitKey(qtKey)) return (keypad ? int(kNumpad0) : int('0')) + (qtKey - Qt::Key_0);
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return kF1 + (qtKey - Qt::Key_F1);
  if (keypad) {
    switch (qtKey) {
      case Qt::Key_Asterisk:
        return kMultiply;
      case Qt::Key_Plus:
        return kAdd;
      case Qt::Key_Minus:
        return kSubtract;
      case Qt::Key_Slash:
        return kDivide;
      case Qt::Key_Period:
      case Qt::Key_Comma:
        return kDecimal;
      default:
        break;
    }
  }
  switch (qtKey) {
    case Qt::Key_Backspace:
      return kBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return kTab;
    case Qt::Key_Clear:
      return kClear;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return kReturn;
    case Qt::Key_Shift:
      return kShift;
    case Qt::Key_Control:
      return kControl;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
      return kMenu;
    case Qt::Key_Pause:
      return kPause;
    case Qt::Key_CapsLock:
      return kCapital;
    case Qt::Key_Escape:
      return kEscape;
    case Qt::Key_Space:
      return kSpace;
    case Qt::Key_PageUp:
      return kPrior;
    case Qt::Key_PageDown:
      return kNext;
    case Qt::Key_End:
      return kEnd;
    case Qt::Key_Home:
      return kHome;
    case Qt::Key_Left:
      return kLeft;
    case Qt::Key_Up:
      return kUp;
    case Qt::Key_Right:
      return kRight;
    case Qt::Key_Down:
      return kDown;
    case Qt::Key_Print:
      return kSnapshot;
    case Qt::Key_Insert:
      return kInsert;
    case Qt::Key_Delete:
      return kDelete;
    case Qt::Key_Meta:
      return kLWin;
    case Qt::Key_Menu:
      return kApps;
    case Qt::Key_NumLock:
      return kNumLock;
    case Qt::Key_ScrollLock:
      return kScroll;
    // A shifted character is the key it lies on (US layout): Shift plays no part.
    case Qt::Key_Exclam:
      return '1';
    case Qt::Key_At:
      return '2';
    case Qt::Key_NumberSign:
      return '3';
    case Qt::Key_Dollar:
      return '4';
    case Qt::Key_Percent:
      return '5';
    case Qt::Key_AsciiCircum:
      return '6';
    case Qt::Key_Ampersand:
      return '7';
    case Qt::Key_Asterisk:
      return '8';
    case Qt::Key_ParenLeft:
      return '9';
    case Qt::Key_ParenRight:
      return '0';
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
      return kOemMinus;
    case Qt::Key_Equal:
    case Qt::Key_Plus:
      return kOemPlus;
    case Qt::Key_BracketLeft:
    case Qt::Key_BraceLeft:
      return kOem4;
    case Qt::Key_BracketRight:
    case Qt::Key_BraceRight:
      return kOem6;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
      return kOem5;
    case Qt::Key_Semicolon:
    case Qt::Key_Colon:
      return kOem1;
    case Qt::Key_Apostrophe:
    case Qt::Key_QuoteDbl:
      return kOem7;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde:
      return kOem3;
    case Qt::Key_Comma:
    case Qt::Key_Less:
      return kOemComma;
    case Qt::Key_Period:
    case Qt::Key_Greater:
      return kOemPeriod;
    case Qt::Key_Slash:
    case Qt::Key_Question:
      return kOem2;
    default:
      return 0;
  }
}

int WindowsKeyCode(const QKeyEvent& event) {
#ifdef Q_OS_WIN
  if (event.nativeVirtualKey() != 0) return int(event.nativeVirtualKey());
#else
  if (event.nativeScanCode() != 0) {
    // The layout decides Qt's key (with the Russian layout the key left of "s"
    // is "Ф"), the scan code stays the key's place. Qt's key still tells
    // whether the numeric pad gives digits, as NumLock and Shift make it.
    const int key = event.key();
    const bool padDigits = IsDigitKey(key) || key == Qt::Key_Period || key == Qt::Key_Comma;
    if (const int code = KeyCodeFromXkb(event.nativeScanCode(), padDigits)) return code;
  }
#endif
  return KeyCodeFromQtKey(event.key(), event.modifiers().testFlag(Qt::KeypadModifier));
}

}  // namespace platform
