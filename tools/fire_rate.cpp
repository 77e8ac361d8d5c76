// Runs the wizard as the player gets it and reports, once a second, how many
// frames the fire loop drew, and when each menu label's click was handled
// (wall clock, to set against the time the click was sent). Ends the program
// after the number of seconds given (5 by default). Target fire_rate, built on
// request; needs a display.
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "app/pages.h"
#include "platform/application.h"
#include "platform/forms.h"
#include "shell/main_window.h"
#include "shell/splash.h"

namespace {

long long wallMicroseconds() {
  return std::chrono::duration_cast<std::chrono::microseconds>(
             std::chrono::system_clock::now().time_since_epoch())
      .count();
}

}  // namespace

int main(int argc, char** argv) {
  platform::Application app(argc, argv);
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 5;
  app::registerPages();
  shell::startUp();

  shell::MainWindow& main = platform::instance<shell::MainWindow>();
  for (shell::MenuPage page :
       {shell::MenuPage::Video, shell::MenuPage::Sound, shell::MenuPage::Player,
        shell::MenuPage::Mouse, shell::MenuPage::Controls, shell::MenuPage::Other,
        shell::MenuPage::Purchase}) {
    widgets::Caption* label = main.menuLabel(page);
    QObject::connect(label, &widgets::Caption::clicked, [label, &main] {
      std::printf("click %s at %lld us, frame %llu\n", label->text().toUtf8().constData(),
                  wallMicroseconds(), static_cast<unsigned long long>(main.fireFrames()));
      std::fflush(stdout);
    });
  }

  QTimer second;
  std::uint64_t last = 0, first = 0;
  int elapsed = 0;
  auto started = std::chrono::steady_clock::now();
  QObject::connect(&second, &QTimer::timeout, [&] {
    const std::uint64_t now = main.fireFrames();
    if (elapsed == 0) {
      first = now;
      started = std::chrono::steady_clock::now();
    }
    std::printf("second %d: %llu frames\n", elapsed, static_cast<unsigned long long>(now - last));
    std::fflush(stdout);
    last = now;
    if (++elapsed > seconds) {
      const double span =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
      std::printf("mean: %.0f frames a second (%.1f us a frame)\n", double(now - first) / span,
                  span * 1e6 / double(now - first));
      std::fflush(stdout);
      platform::endProgram();
    }
  });
  second.start(1000);
  return app.exec();
}
