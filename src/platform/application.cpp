#include "platform/application.h"

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
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
namespace {

// Qt turns the window manager's close into a close event, but says nothing when
// another X client destroys one of the windows outright.
class DestroyedWindowWatch final : public QAbstractNativeEventFilter {
 public:
  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) == XCB_DESTROY_NOTIFY) {
      windowDestroyedElsewhere(
          WId(static_cast<const xcb_destroy_notify_event_t*>(message)->window));
    }
    return false;
  }
};

}  // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  setApplicationName(appTitle());
  // Closing windows never ends the program by itself; unloadWindow and endProgram do.
  setQuitOnLastWindowClosed(false);
  installFonts();
  static DestroyedWindowWatch destroyedWindowWatch;
  installNativeEventFilter(&destroyedWindowWatch);
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
    WindowBusy busy(receiver);
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    fatalError(QString::fromLocal8Bit(error.what()));
  } catch (...) {
    fatalError(QStringLiteral("непредвиденная ошибка"));
  }
}

void installFonts() {
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
