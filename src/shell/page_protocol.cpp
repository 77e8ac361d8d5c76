#include "shell/page_protocol.h"

#include <map>

#include "platform/forms.h"
#include "shell/main_window.h"
#include "shell/sound_cues.h"

namespace shell {
namespace {

std::map<MenuPage, std::function<void()>>& Openers() {
  static std::map<MenuPage, std::function<void()>> openers;
  return openers;
}

}  // namespace

void setPageOpener(MenuPage page, std::function<void()> show) { Openers()[page] = std::move(show); }

void clearPageOpeners() { Openers().clear(); }

void openPage(MenuPage page) {
  MainWindow& main = platform::The<MainWindow>();
  if (!main.MainWindowInUse || !main.menuLabel(page)->Enabled()) return;
  const auto opener = Openers().find(page);
  if (opener == Openers().end()) return;  // not built yet
  opener->second();
  main.MainWindowInUse = false;
  playCue(MenuCue);
}

void completePage(MenuPage page, const std::function<void()>& unloadWindows) {
  unloadWindows();
  MainWindow& main = platform::The<MainWindow>();
  main.menuLabel(page)->SetEnabled(false);
  main.MainWindowInUse = true;
}

}  // namespace shell
