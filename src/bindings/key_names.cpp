#include "bindings/key_names.h"

#include <utility>

#include "platform/windows_keys.h"

namespace bindings {
namespace {

using enum platform::WindowsKey;

constexpr std::pair<int, const char16_t*> kNamedKeys[] = {
    {kScroll, u"Scroll Lock"},
    {kPause, u"Pause"},
    {kOemMinus, u"-"},
    {kOemPlus, u"="},
    {kOem5, u"\\"},
    {kBack, u"Backup"},
    {kTab, u"Tab"},
    {kOem4, u"["},
    {kOem6, u"]"},
    {kReturn, u"Enter"},
    {kOem1, u";"},
    {kOem7, u"'"},
    {kShift, u"Shift"},
    {kOemComma, u","},
    {kOemPeriod, u"."},
    {kOem2, u"/"},
    {kControl, u"Ctrl"},
    {kMenu, u"Alt"},
    {kSpace, u"Space"},
    {kInsert, u"Insert"},
    {kHome, u"Home"},
    {kPrior, u"Page Up"},
    {kEnd, u"End"},
    {kNext, u"Page Down"},
    {kUp, u"UpArrow"},
    {kDown, u"DownArrow"},
    {kLeft, u"LeftArrow"},
    {kRight, u"RightArrow"},
    {kNumLock, u"Num Lock"},
    {kDivide, u"Num /"},
    {kMultiply, u"*"},
    {kSubtract, u"Num -"},
    {kAdd, u"+"},
    {kOem3, u"`"},
};

// The console's own names for the keys whose shown name it refuses.
constexpr std::pair<const char16_t*, const char16_t*> kConsoleNames[] = {
    {u"Backup", u"backspace"},   {u"Insert", u"ins"},          {u"Page Up", u"pgup"},
    {u"Page Down", u"pgdn"},     {u"Num 0", u"kp_ins"},        {u"Num 1", u"kp_end"},
    {u"Num 2", u"kp_downarrow"}, {u"Num 3", u"kp_pgdn"},       {u"Num 4", u"kp_leftarrow"},
    {u"Num 5", u"kp_5"},         {u"Num 6", u"kp_rightarrow"}, {u"Num 7", u"kp_home"},
    {u"Num 8", u"kp_uparrow"},   {u"Num 9", u"kp_pgup"},       {u"Num /", u"kp_slash"},
    {u"Num -", u"kp_minus"},     {u"+", u"kp_plus"},
};

}  // namespace

QString keyDisplayName(int keyCode) {
  if (keyCode >= kF1 && keyCode <= kF1 + 11) return QStringLiteral("F%1").arg(keyCode - kF1 + 1);
  if (keyCode >= '0' && keyCode <= '9') return QString(QChar(keyCode));
  if (keyCode >= 'A' && keyCode <= 'Z') return QString(QChar(keyCode - 'A' + 'a'));
  if (keyCode >= kNumpad0 && keyCode <= kNumpad0 + 9) {
    return QStringLiteral("Num %1").arg(keyCode - kNumpad0);
  }
  for (const auto& [code, name] : kNamedKeys) {
    if (code == keyCode) return QString::fromUtf16(name);
  }
  return QString();
}

QString mouseButtonName(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return QStringLiteral("Mouse1");
    case Qt::RightButton:
      return QStringLiteral("Mouse2");
    case Qt::MiddleButton:
      return QStringLiteral("Mouse3");
    default:
      return QString();
  }
}

bool isCaptureEndingName(const QString& name) {
  for (const char16_t* ending : {u"Mouse1", u"Mouse2", u"Mouse3", u"Tab"}) {
    if (name == QStringView(ending)) return true;
  }
  return false;
}

QString consoleKeyName(const QString& displayName) {
  for (const auto& [shown, console] : kConsoleNames) {
    if (displayName == QStringView(shown)) return QString::fromUtf16(console);
  }
  return displayName;
}

}  // namespace bindings
