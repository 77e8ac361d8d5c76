#include "purchase/purchase_page.h"

#include "platform/forms.h"
#include "purchase/keyboard_window.h"
#include "purchase/weapons_window.h"
#include "shell/page_protocol.h"

namespace purchase {

void showPurchasePage() {
  platform::showWindow<WeaponsWindow>();
  platform::showWindow<KeyboardWindow>();
}

void completePurchasePage() {
  shell::completePage(shell::MenuPage::Purchase, [] {
    platform::unloadWindow(platform::instance<WeaponsWindow>());
    platform::unloadWindow(platform::instance<KeyboardWindow>());
  });
}

}  // namespace purchase
