#include "shell/page_protocol.h"

#include <map>

#include "platform/forms.h"
#include "shell/main_window.h"
#include "shell/sound_cues.h"

namespace shell {
namespace {

std::map<MenuPage, std::function<void()>>& openers() {
  static std::map<MenuPage, std::function<void()>> openers;
  return openers;
}

}  // namespace

void setPageOpener(MenuPage page, std::function<void()> show) { openers()[page] = std::move(show); }

void clearPageOpeners() { openers().clear(); }

void openPage(MenuPage page) {
  MainWindow& main = platform::instance<MainWindow>();
  if (!main.isInUse() || !main.menuLabel(page)->isActive()) return;
  const auto opener = openers().find(page);
  if (opener == openers().end()) return;  // not built yet
  opener->second();
  main.setInUse(false);
  playCue(MenuCue);
}

void completePage(MenuPage page, const std::function<void()>& unloadWindows) {
  unloadWindows();
  MainWindow& main = platform::instance<MainWindow>();
  main.menuLabel(page)->setActive(false);
  main.setInUse(true);
}

}  // namespace shell
