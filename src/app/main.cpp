#include "app/pages.h"
#include "platform/application.h"
#include "platform/forms.h"
#include "shell/main_window.h"

int main(int argc, char** argv) {
  platform::Application app(argc, argv);
  app::RegisterPages();
  platform::Show<shell::Form4>();
  return app.exec();
}
