#include "purchase/purchase_page.h"

#include "platform/forms.h"
#include "purchase/keyboard_window.h"
#include "purchase/weapons_window.h"
#include "shell/page_protocol.h"

namespace purchase {

void ShowPurchasePage() {
  platform::Show<Form1>();
  platform::Show<Form2>();
}

void CompletePurchasePage() {
  shell::CompletePage(shell::MenuPage::Purchase, [] {
    platform::Unload(platform::The<Form1>());
    platform::Unload(platform::The<Form2>());
  });
}

}  // namespace purchase
