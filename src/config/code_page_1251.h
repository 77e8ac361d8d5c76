// The 8-bit text of the files the program writes: Windows code page 1251.
#pragma once

#include <QByteArray>
#include <QStringView>

namespace config {

// ASCII stays as it is, Cyrillic and the code page's other signs take their
// byte, and every character the code page lacks becomes one "?".
QByteArray toCodePage1251(QStringView text);

}  // namespace config
