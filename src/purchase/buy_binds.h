// The purchase bind lines: which keys the keyboard window offers and how a
// key and its dropped weapons become one line.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace purchase {

inline constexpr int kKeySlots = 14;
using SlotTexts = std::array<QString, kKeySlots>;

// The key names the list starts with, as the game names them.
const QStringList& keyNames();

// bind <key> "<the slots' drag texts in slot order>reset"
// `boundKeyName` is the key already between its quotes.
QString buyBindLine(const QString& boundKeyName, const SlotTexts& slotTexts);

}  // namespace purchase
