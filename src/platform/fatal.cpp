#include "platform/fatal.h"

#include <QByteArray>
#include <cstdio>
#include <cstdlib>

#include "platform/dialogs.h"

namespace platform {
namespace {

[[noreturn]] void leave() {
  std::fflush(stdout);
  std::fflush(stderr);
  std::_Exit(1);
}

}  // namespace

void fatalError(const QString& what) {
  const QString text = QStringLiteral("Ошибка выполнения:\r") + what;
  QString line = text;
  line.replace(QLatin1Char('\r'), QLatin1Char(' '));
  std::fprintf(stderr, "%s: %s\n", appTitle().toUtf8().constData(), line.toUtf8().constData());
  std::fflush(stderr);
  // The box is reported too, unless the failure came while one was being shown.
  static bool reporting = false;
  if (!reporting) {
    reporting = true;
    currentDialogs().showFatalMessage(text, leave);
  }
  leave();
}

}  // namespace platform
