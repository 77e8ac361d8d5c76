#include "app/pages.h"
#include "platform/application.h"
#include "shell/splash.h"

int main(int argc, char** argv) {
  platform::Application app(argc, argv);
  app::registerPages();
  shell::startUp();
  return app.exec();
}
