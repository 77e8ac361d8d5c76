// How every page lives: a menu label opens it and takes the main window out of
// use; its Done writes its section, greys the label and gives the menu back.
#pragma once

#include <functional>

namespace shell {

// The pages of the menu, one per menu label.
enum class MenuPage { Video, Sound, Player, Mouse, Controls, Other, Purchase };

// How a page shows its window(s); a page with none set does nothing when its
// label is clicked.
void setPageOpener(MenuPage page, std::function<void()> show);
void clearPageOpeners();

// Opening half: show the page, take the main window out of use, MenuCue.
void openPage(MenuPage page);

// Closing half (the page's Done): `unloadWindows` unloads the page's window(s),
// whose unload writes the section; then the label greys and the main window is
// in use again.
void completePage(MenuPage page, const std::function<void()>& unloadWindows);

}  // namespace shell
