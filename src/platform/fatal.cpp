#include "platform/fatal.h"

#include <QByteArray>
#include <cstdio>
#include <cstdlib>

#include "platform/dialogs.h"

namespace platform {
namespace {

[[noreturn]] void Leave() {
  std::fflush(stdout);
  std::fflush(stderr);
  std::_Exit(1);
}

}  // namespace

void FatalError(const QString& what) {
  const QString text = QStringLiteral("Ошибка выполнения:\r") + what;
  QString line = text;
  line.replace(QLatin1Char('\r'), QLatin1Char(' '));
  std::fprintf(stderr, "%s: %s\n", AppTitle().toUtf8().constData(), line.toUtf8().constData());
  std::fflush(stderr);
  // The box is reported too, unless the failure came while one was being shown.
  static bool reporting = false;
  if (!reporting) {
    reporting = true;
    CurrentDialogs().FatalBox(text, Leave);
  }
  Leave();
}

}  // namespace platform
