#include "platform/key_codes.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include "platform/x11_keymap.h"

namespace platform {
namespace {

// The letter and digit block, where the layout decides what a key gives: the
// XKB key code of each key (evdev + 8), its XKB name, and the code Windows
// gives the key in the same place on a US keyboard.
struct BlockKey {
  std::uint32_t xkb;
  const char* name;
  int code;
};
constexpr BlockKey kBlockKeys[] = {
    {10, "AE01", '1'},        {11, "AE02", '2'},       {12, "AE03", '3'},
    {13, "AE04", '4'},        {14, "AE05", '5'},       {15, "AE06", '6'},
    {16, "AE07", '7'},        {17, "AE08", '8'},       {18, "AE09", '9'},
    {19, "AE10", '0'},        {20, "AE11", kOemMinus}, {21, "AE12", kOemPlus},
    {24, "AD01", 'Q'},        {25, "AD02", 'W'},       {26, "AD03", 'E'},
    {27, "AD04", 'R'},        {28, "AD05", 'T'},       {29, "AD06", 'Y'},
    {30, "AD07", 'U'},        {31, "AD08", 'I'},       {32, "AD09", 'O'},
    {33, "AD10", 'P'},        {34, "AD11", kOem4},     {35, "AD12", kOem6},
    {38, "AC01", 'A'},        {39, "AC02", 'S'},       {40, "AC03", 'D'},
    {41, "AC04", 'F'},        {42, "AC05", 'G'},       {43, "AC06", 'H'},
    {44, "AC07", 'J'},        {45, "AC08", 'K'},       {46, "AC09", 'L'},
    {47, "AC10", kOem1},      {48, "AC11", kOem7},     {49, "TLDE", kOem3},
    {51, "BKSL", kOem5},      {52, "AB01", 'Z'},       {53, "AB02", 'X'},
    {54, "AB03", 'C'},        {55, "AB04", 'V'},       {56, "AB05", 'B'},
    {57, "AB06", 'N'},        {58, "AB07", 'M'},       {59, "AB08", kOemComma},
    {60, "AB09", kOemPeriod}, {61, "AB10", kOem2},     {94, "LSGT", kOem102},
};

bool isDigitKey(int qtKey) { return qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9; }

// The code of a key that means the same on every layout, from Qt's key and
// its keypad flag; 0 for any other key.
int fixedKeyCode(int qtKey, bool keypad) {
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return kF1 + (qtKey - Qt::Key_F1);
  if (keypad) {
    if (isDigitKey(qtKey)) return kNumpad0 + (qtKey - Qt::Key_0);
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
    case Qt::Key_Super_L:
      return kLWin;
    case Qt::Key_Super_R:
      return kRWin;
    case Qt::Key_Menu:
      return kApps;
    case Qt::Key_NumLock:
      return kNumLock;
    case Qt::Key_ScrollLock:
      return kScroll;
    default:
      return 0;
  }
}

// The key of the letter and digit block that gives this character on a US
// keyboard, shifted or not (Shift plays no part); 0 for a character it lacks.
int characterKeyCode(int qtKey) {
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 'A' + (qtKey - Qt::Key_A);
  if (isDigitKey(qtKey)) return '0' + (qtKey - Qt::Key_0);
  switch (qtKey) {
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
    case Qt::Key_Dead_Circumflex:
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
    case Qt::Key_Dead_Acute:
    case Qt::Key_Dead_Diaeresis:
      return kOem7;
    case Qt::Key_QuoteLeft:
    case Qt::Key_AsciiTilde:
    case Qt::Key_Dead_Grave:
    case Qt::Key_Dead_Tilde:
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

const BlockKey* blockKeyAt(std::uint32_t xkbKeyCode) {
  for (const BlockKey& key : kBlockKeys) {
    if (key.xkb == xkbKeyCode) return &key;
  }
  return nullptr;
}

}  // namespace

ScanCodes nativeScanCodes() {
  const QString platform = QGuiApplication::platformName();
  if (platform.startsWith(QLatin1String("wayland"))) return ScanCodes::kEvdev;
  if (platform == QLatin1String("xcb")) return ScanCodes::kX11;
  return ScanCodes::kUnknown;
}

int windowsKeyCode(const QKeyEvent& event, ScanCodes scanCodes) {
  const int key = event.key();
  if (const int code = fixedKeyCode(key, event.modifiers().testFlag(Qt::KeypadModifier))) {
    return code;
  }
  // The layout decides Qt's key (with the Russian layout the key left of "s"
  // is "Ф"; with the German one the key left of "1" is a dead "^"); the scan
  // code stays the key's place.
  if (scanCodes != ScanCodes::kUnknown) {
    if (const BlockKey* place = blockKeyAt(event.nativeScanCode())) {
      if (scanCodes == ScanCodes::kEvdev || x11KeyName(place->xkb) == place->name) {
        return place->code;
      }
    }
  }
  return characterKeyCode(key);
}

int windowsKeyCode(const QKeyEvent& event) {
#ifdef Q_OS_WIN
  if (event.nativeVirtualKey() != 0) return int(event.nativeVirtualKey());
  return windowsKeyCode(event, ScanCodes::kUnknown);
#else
  return windowsKeyCode(event, nativeScanCodes());
#endif
}

}  // namespace platform
