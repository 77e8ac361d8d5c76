// Opens every window of the wizard offscreen, the way the program opens them
// (the splash at start-up, the pages through their menu labels), and writes
// one PNG per window into the folder given on the command line. The fire loop
// is held back so it does not take over; the strip gets a few frames drawn by
// hand instead. The temporary configuration file goes to a scratch folder.
// Target screenshots, built on request:  screenshots OUTPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>

#include "app/pages.h"
#include "bindings/controls_page.h"
#include "pages/mouse_page.h"
#include "pages/other_page.h"
#include "pages/player_page.h"
#include "pages/sound_page.h"
#include "pages/video_page.h"
#include "platform/application.h"
#include "platform/forms.h"
#include "platform/sound_output.h"
#include "purchase/keyboard_window.h"
#include "purchase/weapons_window.h"
#include "shell/fire.h"
#include "shell/main_window.h"
#include "shell/splash.h"

namespace {

// Offscreen there is nothing to hear.
class Silence : public platform::SoundOutput {
 public:
  void play(const QByteArray&) override {}
};

QString out_dir;
int failures = 0;

void Save(QWidget& window, const QString& name) {
  platform::runPendingEvents();
  const QString path = QDir(out_dir).filePath(name + QStringLiteral(".png"));
  if (window.grab().save(path)) {
    std::printf("%s  %dx%d\n", qPrintable(path), window.width(), window.height());
  } else {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    ++failures;
  }
}

// A left click as the player gives it: press and release on the widget.
void Click(QWidget* widget) {
  const QPointF at(2, 2);
  const QPointF global = widget->mapToGlobal(at);
  QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(widget, &release);
  platform::runPendingEvents();
}

// Some frames of flames on the strip, as the held-back loop would draw them.
void BurnAWhile(shell::MainWindow& main) {
  shell::Random random;
  QImage& strip = main.fireStrip->drawingSurface();
  auto next = [&random] { return random.next(); };
  for (int frame = 0; frame < 80; ++frame) {
    shell::fireFrame(main.fireGrid, next, [&strip](int x, int y, std::uint32_t bgr) {
      if (x < strip.width() && y < strip.height()) {
        strip.setPixelColor(
            x, y, QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)));
      }
    });
  }
  main.fireStrip->repaint();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The program's temporary file lands in a scratch folder of our own.
  QTemporaryDir scratch;
  if (!scratch.isValid()) {
    std::fprintf(stderr, "no scratch folder\n");
    return 1;
  }
  qputenv("TMPDIR", QFile::encodeName(scratch.path()));

  platform::Application app(argc, argv);
  out_dir = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(out_dir)) {
    std::fprintf(stderr, "cannot make %s\n", argv[1]);
    return 1;
  }
  Silence silence;
  platform::setSoundOutput(&silence);
  shell::MainWindow::holdFireLoop(true);
  app::registerPages();

  // The splash is grabbed while it waits its second.
  QTimer::singleShot(500, [] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* splash = qobject_cast<shell::SplashWindow*>(w); splash && splash->isVisible()) {
        Save(*splash, QStringLiteral("SplashWindow"));
      }
    }
  });
  shell::startUp();
  platform::runPendingEvents();

  shell::MainWindow& main = platform::instance<shell::MainWindow>();
  BurnAWhile(main);
  Save(main, QStringLiteral("MainWindow"));

  // Each page through its menu label, grabbed, then completed with its Done.
  const struct {
    widgets::Caption* label;
    std::function<void()> grabAndClose;
  } pages[] = {
      {main.videoLabel,
       [] {
         auto& p = platform::instance<pages::VideoPage>();
         Save(p, QStringLiteral("VideoPage"));
         Click(p.doneButton);
       }},
      {main.soundLabel,
       [] {
         auto& p = platform::instance<pages::SoundPage>();
         Save(p, QStringLiteral("SoundPage"));
         Click(p.doneButton);
       }},
      {main.playerLabel,
       [] {
         auto& p = platform::instance<pages::PlayerPage>();
         Save(p, QStringLiteral("PlayerPage"));
         Click(p.doneButton);
       }},
      {main.mouseLabel,
       [] {
         auto& p = platform::instance<pages::MousePage>();
         Save(p, QStringLiteral("MousePage"));
         Click(p.doneButton);
       }},
      {main.controlsLabel,
       [] {
         auto& p = platform::instance<bindings::ControlsPage>();
         Save(p, QStringLiteral("ControlsPage"));
         Click(p.doneButton);
       }},
      {main.otherLabel,
       [] {
         auto& p = platform::instance<pages::OtherPage>();
         Save(p, QStringLiteral("OtherPage"));
         Click(p.doneButton);
       }},
      {main.purchaseLabel,
       [] {
         auto& weapons = platform::instance<purchase::WeaponsWindow>();
         auto& keys = platform::instance<purchase::KeyboardWindow>();
         Save(weapons, QStringLiteral("WeaponsWindow"));
         Save(keys, QStringLiteral("KeyboardWindow"));
         // One class shown, as the player sees it after a choice.
         Click(weapons.classOption(4));
         Save(weapons, QStringLiteral("WeaponsWindow_rifles"));
         Click(weapons.doneButton);
       }},
  };
  for (const auto& page : pages) {
    Click(page.label);
    if (main.isInUse()) {
      std::fprintf(stderr, "%s did not open its page\n", qPrintable(page.label->text()));
      ++failures;
      continue;
    }
    page.grabAndClose();
  }
  Save(main, QStringLiteral("MainWindow_done"));
  platform::setSoundOutput(nullptr);
  platform::destroyAllWindows();
  return failures == 0 ? 0 : 1;
}
