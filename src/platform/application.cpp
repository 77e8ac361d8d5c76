#include "platform/application.h"

#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <exception>

#include "platform/dialogs.h"
#include "platform/fatal.h"
#include "platform/forms.h"
#include "platform/units.h"

namespace platform {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(AppTitle());
  // Closing windows never ends the program by itself; Unload and End do.
  setQuitOnLastWindowClosed(false);
  InstallFonts();
  // The interface is Russian whatever the system's language, Qt's own dialogs too.
  // (Numbers in the file never go through the locale.)
  QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
  auto* translator = new QTranslator(this);
  if (translator->load(QStringLiteral("qtbase_ru"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    installTranslator(translator);
  }
}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    FormBusy busy(receiver);
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    FatalError(QString::fromLocal8Bit(error.what()));
  } catch (...) {
    FatalError(QStringLiteral("непредвиденная ошибка"));
  }
}

void InstallFonts() {
  for (const char* face : {":/fonts/ComicRelief-Regular.ttf", ":/fonts/ComicRelief-Bold.ttf"}) {
    // Compiled in, so this fails only in a broken build; the captions then
    // fall back to the system's fonts rather than stop the program.
    if (QFontDatabase::addApplicationFont(QString::fromLatin1(face)) < 0) {
      qWarning("cannot load the bundled font %s", face);
    }
  }
  QFont::insertSubstitution(kComicFamily, kBundledComicFamily);
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                             {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("DejaVu Sans"),
                              QStringLiteral("Sans Serif")});
}

}  // namespace platform
