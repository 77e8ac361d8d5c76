#include "purchase/buy_binds.h"

#include "config/config_text.h"

namespace purchase {

const QStringList& keyNames() {
  // clang-format off
  static const QStringList names = {
      "F1",        "F2",          "F3",         "F4",       "F5",           "F6",
      "F7",        "F8",          "F9",         "F10",      "F11",          "F12",
      "ins",       "del",         "end",        "home",     "pgup",         "pgdn",
      "leftarrow", "rightarrow",  "uparrow",    "downarrow", "kp_ins",      "kp_del",
      "kp_end",    "kp_downarrow", "kp_pgdn",   "kp_PgUp",  "kp_rightarrow", "kp_leftarrow",
      "kp_enter",  "kp_home",     "kp_uparrow", "kp_5",     "pause",
  };
  // clang-format on
  return names;
}

QString buyBindLine(const QString& boundKeyName, const SlotTexts& slotTexts) {
  QString line = QStringLiteral("bind ") + boundKeyName + QLatin1Char(' ') + config::quote();
  for (const QString& text : slotTexts) line += text;
  return line + config::buyLineEnd();
}

}  // namespace purchase
