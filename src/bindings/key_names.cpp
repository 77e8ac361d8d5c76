#include "bindings/key_names.h"

#include <utility>

namespace bindings {
namespace {

constexpr std::pair<int, const char16_t*> kNamedKeys[] = {
    {145, u"Scroll Lock"}, {19, u"Pause"},     {189, u"-"},        {187, u"="},
    {220, u"\\"},          {8, u"Backup"},     {9, u"Tab"},        {219, u"["},
    {221, u"]"},           {13, u"Enter"},     {186, u";"},        {222, u"'"},
    {16, u"Shift"},        {188, u","},        {190, u"."},        {191, u"/"},
    {17, u"Ctrl"},         {18, u"Alt"},       {32, u"Space"},     {45, u"Insert"},
    {36, u"Home"},         {33, u"Page Up"},   {35, u"End"},       {34, u"Page Down"},
    {38, u"UpArrow"},      {40, u"DownArrow"}, {37, u"LeftArrow"}, {39, u"RightArrow"},
    {144, u"Num Lock"},    {111, u"Num /"},    {106, u"*"},        {109, u"Num -"},
    {107, u"+"},           {192, u"`"},
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

QString KeyDisplayNames(int keyCode) {
  if (keyCode >= 112 && keyCode <= 123) return QStringLiteral("F%1").arg(keyCode - 111);
  if (keyCode >= '0' && keyCode <= '9') return QString(QChar(keyCode));
  if (keyCode >= 'A' && keyCode <= 'Z') return QString(QChar(keyCode - 'A' + 'a'));
  if (keyCode >= 96 && keyCode <= 105) return QStringLiteral("Num %1").arg(keyCode - 96);
  for (const auto& [code, name] : kNamedKeys) {
    if (code == keyCode) return QString::fromUtf16(name);
  }
  return QString();
}

QString MouseButtonName(Qt::MouseButton button) {
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

bool IsCaptureEndingName(const QString& name) {
  for (const char16_t* ending : {u"Mouse1", u"Mouse2", u"Mouse3", u"Tab"}) {
    if (name == QStringView(ending)) return true;
  }
  return false;
}

QString ConsoleKeyName(const QString& displayName) {
  for (const auto& [shown, console] : kConsoleNames) {
    if (displayName == QStringView(shown)) return QString::fromUtf16(console);
  }
  return displayName;
}

}  // namespace bindings
