// Expected lines written as UTF-8 literals; Qt Core only, for the pure tests too.
#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>

namespace testing_support {

// Lines given in UTF-8.
inline QStringList utf8Lines(std::initializer_list<const char*> lines) {
  QStringList out;
  for (const char* line : lines) out << QString::fromUtf8(line);
  return out;
}

}  // namespace testing_support
