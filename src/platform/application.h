// The application object: one thread, every event dispatched through here.
#pragma once

#include <QApplication>

namespace platform {

class Application : public QApplication {
  Q_OBJECT

 public:
  Application(int& argc, char** argv);

  // Marks the receiving window busy while its handler runs, and turns an
  // exception that would cross Qt's dispatch into the fatal error report.
  bool notify(QObject* receiver, QEvent* event) override;
};

// Registers the bundled caption face and maps the font names the windows ask
// for to fonts a Linux desktop has.
void installFonts();

}  // namespace platform
