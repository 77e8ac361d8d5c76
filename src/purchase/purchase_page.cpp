#include "purchase/purchase_page.h"

#include "platform/forms.h"
#include "purchase/keyboard_window.h"
#include "purchase/weapons_window.h"
#include "shell/page_protocol.h"

namespace purchase {

void showPurchasePage() {
  platform::Show<WeaponsWindow>();
  platform::Show<KeyboardWindow>();
}

void completePurchasePage() {
  shell::completePage(shell::MenuPage::Purchase, [] {
    platform::Unload(platform::The<WeaponsWindow>());
    platform::Unload(platform::The<KeyboardWindow>());
  });
}

}  // namespace purchase
